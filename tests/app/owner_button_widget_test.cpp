// The program's own button drawn on the offscreen platform: its size and
// bar colour at every height, colour and style, lightening, the parent
// showing around the rounded ends, the pressed shift, the focus marks, the
// caption colours, switching the style of a whole tree, and no repaint for a
// property set to the value it already has.
#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

#include "resources/orv_cards_button.h"

using namespace zembra;

namespace {

constexpr TColorSB kColours[] = {TColorSB::DRed,    TColorSB::DGreen,  TColorSB::DBlue,  TColorSB::DNavy,
                                 TColorSB::DYellow, TColorSB::DViolet, TColorSB::DOrang, TColorSB::DCards};

const char* ColourName(TColorSB c) {
  static const char* const kNames[] = {"DRed", "DGreen", "DBlue", "DNavy", "DYellow", "DViolet", "DOrang", "DCards"};
  return kNames[static_cast<int>(c)];
}

// The hue a saturated bar pixel of each colour must have.
bool InFamily(QColor c, TColorSB colour) {
  const int r = c.red(), g = c.green(), b = c.blue();
  const int gap = 40;
  switch (colour) {
    case TColorSB::DRed: return r > g + gap && r > b + gap;
    case TColorSB::DGreen: return g > r + gap && g > b + gap;
    case TColorSB::DBlue: return g > r + gap && b > r + gap;  // cyan-like
    case TColorSB::DNavy: return b > r + gap && b > g + gap;
    case TColorSB::DYellow: return r > b + gap && g > b + gap;
    case TColorSB::DViolet: return r > g + gap && b > g + gap;
    case TColorSB::DOrang: return r > g && g > b && r > b + gap;
    case TColorSB::DCards: return b > r && r > g && b > g + gap;
  }
  return false;
}

QImage Shot(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

// A button of a given height: the property for standard heights, a plain
// resize for the others.
void SetButtonHeight(TOrvCardsButton& b, int height) {
  if (height == 30) b.SetHeightSB(THeightSB::D30);
  else if (height == 45) b.SetHeightSB(THeightSB::D45);
  else if (height == 60) b.SetHeightSB(THeightSB::D60);
  else b.resize(b.width(), height);
}

// A pixel in the saturated lower half of the bar, clear of the ends.
QColor BarMiddle(const QImage& shot) { return shot.pixelColor(shot.width() / 2, (shot.height() - 1) * 3 / 4); }

int CountPixels(const QImage& shot, QColor colour) {
  int n = 0;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) n += shot.pixelColor(x, y) == colour;
  return n;
}

class TPaintCounter : public QObject {
 public:
  int Paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++Paints;
    return false;
  }
};

void SendEnter(QWidget& w) {
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(&w, &enter);
}

void SendLeave(QWidget& w) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&w, &leave);
}

// A shown window holding one button, with the keyboard focus on it.
struct TFocusedButton {
  QWidget Window;
  TOrvCardsButton* Button = new TOrvCardsButton(&Window);

  bool Focus() {
    Window.resize(200, 100);
    Button->move(10, 10);
    Window.show();
    Window.activateWindow();
    if (!QTest::qWaitForWindowActive(&Window)) return false;
    Button->setFocus();
    return Button->hasFocus();
  }
};

}  // namespace

class TOwnerButtonTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void defaultsAndHeightProperty() {
    TOrvCardsButton b;
    QCOMPARE(b.size(), QSize(100, 30));
    QCOMPARE(b.ColorSB(), TColorSB::DRed);
    QCOMPARE(b.KLightSB(), 0);
    QVERIFY(b.Kontur());
    QVERIFY(b.Smooth());
    QVERIFY(!b.Nata());
    QCOMPARE(b.Margin(), -1);
    b.SetHeightSB(THeightSB::D45);
    QCOMPARE(b.height(), 45);
    QCOMPARE(b.sizeHint().height(), 45);
    b.SetHeightSB(THeightSB::D60);
    QCOMPARE(b.height(), 60);
    QCOMPARE(b.width(), 100);
    b.SetKLightSB(150);
    QCOMPARE(b.KLightSB(), 100);
  }

  void everyHeightColourAndStyle() {
    for (int height : {30, 35, 45, 60}) {
      for (bool nata : {false, true}) {
        for (TColorSB colour : kColours) {
          const QByteArray where = QByteArray::number(height) + (nata ? " new " : " old ") + ColourName(colour);
          TOrvCardsButton b;
          b.resize(120, 30);
          SetButtonHeight(b, height);
          b.SetNata(nata);
          b.SetColorSB(colour);
          const QImage shot = Shot(b);
          QVERIFY2(shot.size() == QSize(120, height), where);
          const QColor c = BarMiddle(shot);
          QVERIFY2(InFamily(c, colour), where + " " + c.name().toLatin1());
        }
      }
    }
  }

  // Old style, standard height, plain red: the middle is the gradient table
  // row by row.
  void standardMiddleIsTheGradientRows() {
    struct TRow {
      int height, row;
      QColor want;
    };
    const TRow rows[] = {
        {30, 0, QColor(128, 0, 0)},  {30, 1, QColor(17, 0, 0)},   {30, 3, QColor(232, 173, 173)},
        {30, 27, QColor(238, 0, 0)}, {30, 28, QColor(128, 0, 0)}, {45, 22, QColor(153, 34, 34)},
        {60, 3, QColor(243, 183, 183)}, {60, 57, QColor(246, 0, 0)},
    };
    for (const TRow& r : rows) {
      TOrvCardsButton b;
      SetButtonHeight(b, r.height);
      const QImage shot = Shot(b);
      for (int x : {20, 50, 75}) QCOMPARE(shot.pixelColor(x, r.row), r.want);
    }
    // Green swaps red and green: (238, 0, 0) becomes (0, 238, 0).
    TOrvCardsButton green;
    green.SetColorSB(TColorSB::DGreen);
    QCOMPARE(Shot(green).pixelColor(50, 27), QColor(0, 238, 0));
  }

  void lighteningMakesTheBarPaler() {
    for (int height : {30, 35}) {
      for (bool nata : {false, true}) {
        for (TColorSB colour : kColours) {
          const QByteArray where = QByteArray::number(height) + (nata ? " new " : " old ") + ColourName(colour);
          TOrvCardsButton b;
          SetButtonHeight(b, height);
          b.SetNata(nata);
          b.SetColorSB(colour);
          const QColor plain = BarMiddle(Shot(b));
          b.SetKLightSB(50);
          const QColor pale = BarMiddle(Shot(b));
          QVERIFY2(pale.red() >= plain.red() && pale.green() >= plain.green() && pale.blue() >= plain.blue(), where);
          const int lowPlain = std::min({plain.red(), plain.green(), plain.blue()});
          const int lowPale = std::min({pale.red(), pale.green(), pale.blue()});
          QVERIFY2(lowPale >= lowPlain + 60, where);
        }
      }
    }
  }

  // The rounded ends, the last column and the last row show the parent.
  void parentShowsAroundTheBar() {
    const QColor back(20, 40, 220);
    for (int height : {30, 35, 60}) {
      for (bool nata : {false, true}) {
        QWidget parent;
        parent.setAutoFillBackground(true);
        QPalette pal = parent.palette();
        pal.setColor(QPalette::Window, back);
        parent.setPalette(pal);
        parent.resize(200, 100);
        auto* b = new TOrvCardsButton(&parent);
        b->move(10, 10);
        SetButtonHeight(*b, height);
        b->SetNata(nata);
        const QImage shot = Shot(parent);
        const int w = b->width(), h = b->height();
        QCOMPARE(shot.pixelColor(10, 10), back);                      // rounded corner
        QCOMPARE(shot.pixelColor(10 + w - 1, 10 + h / 2), back);      // free column
        QCOMPARE(shot.pixelColor(10 + w / 2, 10 + h - 1), back);      // free row
        QVERIFY(shot.pixelColor(10, 10 + (h - 1) / 2) != back);       // left end
        QVERIFY(shot.pixelColor(10 + w - 2, 10 + (h - 1) / 2) != back);  // right end
      }
    }
  }

  void pressedShiftsOnePixel() {
    for (int height : {30, 35, 60}) {
      TOrvCardsButton b;
      SetButtonHeight(b, height);
      const QImage up = Shot(b);
      b.setDown(true);
      const QImage down = Shot(b);
      for (int y : {0, 3, height / 2, height - 2})
        for (int x : {0, 4, 50, 97, 98}) QCOMPARE(down.pixelColor(x + 1, y + 1), up.pixelColor(x, y));
    }
  }

  void drawCallbackGetsStateAndCanvas() {
    TOrvCardsButton b;
    std::vector<TButtonItemState> states;
    bool hadCanvas = false;
    b.OnDrawButton = [&](TOrvCardsButton& button, const QRect& rect, TButtonItemState state) {
      QCOMPARE(rect, button.rect());
      hadCanvas = button.Canvas() != nullptr;
      button.Canvas()->fillRect(0, 0, 2, 2, Qt::white);
      states.push_back(state);
    };
    const QImage shot = Shot(b);
    QVERIFY(hadCanvas);
    QCOMPARE(shot.pixelColor(1, 1), QColor(Qt::white));
    b.setDown(true);
    Shot(b);
    b.setEnabled(false);  // also releases the button
    Shot(b);
    QCOMPARE(states.size(), size_t(3));
    QVERIFY(!states[0].Selected && !states[0].Disabled && !states[0].Focus);
    QVERIFY(states[1].Selected && !states[1].Disabled);
    QVERIFY(!states[2].Selected && states[2].Disabled);
    QVERIFY(b.Canvas() == nullptr);
  }

  void focusMarkByStyle() {
    TFocusedButton f;
    if (!f.Focus()) QSKIP("no window activation on this platform");
    TOrvCardsButton& b = *f.Button;
    // Old style, height 30: the frame's top line at row 4 in light red.
    QCOMPARE(Shot(b).pixelColor(50, 4), QColor(255, 200, 200));
    b.SetColorSB(TColorSB::DCards);
    QCOMPARE(Shot(b).pixelColor(50, 4), QColor(200, 175, 50));
    // New style: two dots, 4 pixels wide, 10 from each end.
    b.SetColorSB(TColorSB::DRed);
    b.SetNata(true);
    const QImage dots = Shot(b);
    QCOMPARE(dots.pixelColor(11, 13), QColor(255, 255, 0));
    QCOMPARE(dots.pixelColor(98 - 11, 13), QColor(255, 255, 0));
    QVERIFY(dots.pixelColor(50, 4) != QColor(255, 255, 0));
    // No mark without Kontur.
    b.SetKontur(false);
    QVERIFY(Shot(b).pixelColor(11, 13) != QColor(255, 255, 0));
  }

  void captionColours() {
    TOrvCardsButton b(QStringLiteral("WWWW"));
    b.resize(160, 30);
    QFont font = b.font();
    font.setPixelSize(20);
    font.setBold(true);
    b.setFont(font);
    QPalette pal = b.palette();
    pal.setColor(QPalette::ButtonText, Qt::white);
    b.setPalette(pal);
    const QColor mouse(0, 255, 255), silver(192, 192, 192);
    b.SetColorMouse(mouse);
    b.SetLightFont(true);

    QVERIFY(CountPixels(Shot(b), Qt::white) > 10);
    QCOMPARE(CountPixels(Shot(b), mouse), 0);
    SendEnter(b);
    QVERIFY(b.MouseOver());
    QVERIFY(CountPixels(Shot(b), mouse) > 10);
    QCOMPARE(CountPixels(Shot(b), Qt::white), 0);
    SendLeave(b);
    QVERIFY(!b.MouseOver());
    QCOMPARE(CountPixels(Shot(b), mouse), 0);

    b.setEnabled(false);
    QCOMPARE(CountPixels(Shot(b), silver), 0);  // the font colour stays
    QVERIFY(CountPixels(Shot(b), Qt::white) > 10);
    b.SetGrayDis(true);
    // Greyed, with a caption that can still be read (not silver on pink).
    const QImage greyed = Shot(b);
    QCOMPARE(CountPixels(greyed, silver), 0);
    QVERIFY(ContrastRatio(b.CaptionColour(), greyed.pixelColor(6, greyed.height() / 2)) >= 4.5);
  }

  void setNataAllSwitchesATree() {
    QWidget root;
    root.resize(400, 300);
    auto* panel = new QWidget(&root);
    panel->setGeometry(0, 0, 400, 300);
    std::vector<TOrvCardsButton*> buttons;
    buttons.push_back(new TOrvCardsButton(&root));
    buttons.push_back(new TOrvCardsButton(panel));
    buttons.push_back(new TOrvCardsButton(new QWidget(panel)));
    buttons.push_back(new TOrvCardsButton(panel));
    buttons[1]->SetHeightSB(THeightSB::D45);
    buttons[2]->SetHeightSB(THeightSB::D60);
    buttons[3]->setGeometry(0, 100, 140, 35);
    buttons[3]->SetColorSB(TColorSB::DCards);

    std::vector<QRect> places;
    std::vector<QImage> before;
    for (TOrvCardsButton* b : buttons) places.push_back(b->geometry()), before.push_back(Shot(*b));

    TOrvCardsButton::SetNataAll(&root, true);
    for (size_t i = 0; i < buttons.size(); ++i) {
      QVERIFY(buttons[i]->Nata());
      QCOMPARE(buttons[i]->geometry(), places[i]);
      const QImage after = Shot(*buttons[i]);
      QCOMPARE(after.size(), before[i].size());
      QVERIFY(after != before[i]);
    }
    TOrvCardsButton::SetNataAll(&root, false);
    for (size_t i = 0; i < buttons.size(); ++i) {
      QVERIFY(!buttons[i]->Nata());
      QCOMPARE(Shot(*buttons[i]), before[i]);
    }
    // A button as the root switches too.
    TOrvCardsButton::SetNataAll(buttons[0], true);
    QVERIFY(buttons[0]->Nata());
    QVERIFY(!buttons[1]->Nata());
  }

  void repaintsOnlyOnChange() {
    QWidget window;
    window.resize(200, 100);
    auto* b = new TOrvCardsButton(&window);
    TPaintCounter counter;
    b->installEventFilter(&counter);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(counter.Paints > 0);

    struct TSetter {
      const char* name;
      std::function<void()> same, other;
    };
    const TSetter setters[] = {
        {"ColorSB", [&] { b->SetColorSB(TColorSB::DRed); }, [&] { b->SetColorSB(TColorSB::DNavy); }},
        {"KLightSB", [&] { b->SetKLightSB(0); }, [&] { b->SetKLightSB(30); }},
        {"HeightSB", [&] { b->SetHeightSB(THeightSB::D30); }, [&] { b->SetHeightSB(THeightSB::D45); }},
        {"Nata", [&] { b->SetNata(false); }, [&] { b->SetNata(true); }},
        {"Kontur", [&] { b->SetKontur(true); }, [&] { b->SetKontur(false); }},
        {"Smooth", [&] { b->SetSmooth(true); }, [&] { b->SetSmooth(false); }},
        {"GrayDis", [&] { b->SetGrayDis(false); }, [&] { b->SetGrayDis(true); }},
        {"LightFont", [&] { b->SetLightFont(false); }, [&] { b->SetLightFont(true); }},
        {"ColorMouse", [&] { b->SetColorMouse(b->ColorMouse()); }, [&] { b->SetColorMouse(Qt::cyan); }},
        {"Margin", [&] { b->SetMargin(-1); }, [&] { b->SetMargin(2); }},
    };
    for (const TSetter& s : setters) {
      QCoreApplication::processEvents();
      counter.Paints = 0;
      s.same();
      QCoreApplication::processEvents();
      QVERIFY2(counter.Paints == 0, s.name);
      s.other();
      QTRY_VERIFY2(counter.Paints > 0, s.name);
    }

    // Hover: a repaint and the callback after each change.
    int entered = 0, left = 0;
    b->OnMouseEnter = [&](TOrvCardsButton& button) { entered += button.MouseOver(); };
    b->OnMouseLeave = [&](TOrvCardsButton& button) { left += !button.MouseOver(); };
    QCoreApplication::processEvents();
    counter.Paints = 0;
    SendEnter(*b);
    QTRY_VERIFY(counter.Paints > 0);
    counter.Paints = 0;
    SendLeave(*b);
    QTRY_VERIFY(counter.Paints > 0);
    QCOMPARE(entered, 1);
    QCOMPARE(left, 1);
  }
};

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  TOwnerButtonTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "owner_button_widget_test.moc"
