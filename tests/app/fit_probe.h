// Measures whether every text of a window fits the box it is drawn in:
// labels (one line, or word-wrapped), button captions, column titles and
// the cells of item views, the way Qt lays them out when it paints them.
// It also notes texts that are empty, texts that overlap one another or
// leave the window, and controls without an accessible name.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionHeader>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextLayout>
#include <set>
#include <utility>
#include <vector>

#include "resources/orv_cards_button.h"
#include "resources/owner_button.h"

namespace zembra_test {

// Lays out an item's text the way the views' delegate does.
class TDelegateProbe : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::initStyleOption;
};

class TFitProbe {
 public:
  // where: "Russian / history window", for the messages.
  TFitProbe(QString where, QWidget* root) : Where(std::move(where)), Root(root) {}

  // A column whose title is blank by design (the top ten's ranks).
  void AllowBlankSection(const QAbstractItemView* view, int column) { BlankSections.insert({view, column}); }

  // Every visible label, button and item view under the root.
  QStringList Check() {
    Faults.clear();
    Inks.clear();
    for (QLabel* l : Root->findChildren<QLabel*>())
      if (l->isVisibleTo(Root)) CheckLabel(l);
    for (QAbstractButton* b : Root->findChildren<QAbstractButton*>())
      if (b->isVisibleTo(Root)) CheckButton(b);
    for (QAbstractItemView* v : Root->findChildren<QAbstractItemView*>()) {
      if (!v->isVisibleTo(Root) || qobject_cast<QHeaderView*>(v)) continue;
      if (v->accessibleName().isEmpty()) Fault(Describe(v, {}), QStringLiteral("has no accessible name"));
      if (auto* t = qobject_cast<QTableView*>(v)) CheckHeader(t);
      CheckItems(v);
    }
    CheckOverlaps();
    return Faults;
  }

 private:
  QString Describe(const QWidget* w, const QString& text) const {
    QString name = QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty()) name += QLatin1Char(' ') + w->objectName();
    if (!text.isEmpty()) name += QStringLiteral(" \"") + text + QLatin1Char('"');
    return name;
  }
  void Fault(const QString& control, const QString& why) {
    Faults << Where + QStringLiteral(" / ") + control + QStringLiteral(": ") + why;
  }

  // The rectangle QLabel draws its text in.
  static QRect LabelTextRect(const QLabel* l, const QFontMetrics& fm) {
    QRect cr = l->contentsRect();
    const int m = l->margin();
    cr.adjust(m, m, -m, -m);
    int indent = l->indent();
    if (indent < 0 && l->frameWidth() > 0) indent = fm.horizontalAdvance(QLatin1Char('x')) / 2;
    if (indent > 0) {
      const Qt::Alignment a = l->alignment();
      if (a & Qt::AlignLeft) cr.setLeft(cr.left() + indent);
      if (a & Qt::AlignRight) cr.setRight(cr.right() - indent);
      if (a & Qt::AlignTop) cr.setTop(cr.top() + indent);
      if (a & Qt::AlignBottom) cr.setBottom(cr.bottom() - indent);
    }
    return cr;
  }

  // How many lines a word-wrapped text takes at this width.
  static int WrappedLines(const QString& text, const QFont& font, int width) {
    int lines = 0;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
      QTextLayout layout(paragraph, font);
      QTextOption option;
      option.setWrapMode(QTextOption::WordWrap);
      layout.setTextOption(option);
      layout.beginLayout();
      for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        ++lines;
      }
      layout.endLayout();
    }
    return lines;
  }

  void CheckLabel(QLabel* l) {
    if (!l->pixmap().isNull() || l->movie()) return;  // a picture, not a text
    const QString text = l->text();
    const QString what = Describe(l, text);
    if (text.trimmed().isEmpty()) {
      Fault(what, QStringLiteral("is empty"));
      return;
    }
    const QFont font = l->font();
    const QFontMetrics fm(font);
    const QRect box = LabelTextRect(l, fm);
    int flags = int(QStyle::visualAlignment(l->layoutDirection(), l->alignment()));
    if (l->wordWrap()) flags |= Qt::TextWordWrap;
    const QRect ink = fm.boundingRect(box, flags, text);
    if (!l->wordWrap()) {
      for (const QString& line : text.split(QLatin1Char('\n')))
        if (fm.horizontalAdvance(line) > box.width())
          Fault(what, QStringLiteral("needs %1 px, has %2 (font %3 px)")
                          .arg(fm.horizontalAdvance(line))
                          .arg(box.width())
                          .arg(font.pixelSize()));
    } else {
      if (ink.width() > box.width())
        Fault(what, QStringLiteral("a word needs %1 px, has %2").arg(ink.width()).arg(box.width()));
      const int lines = WrappedLines(text, font, box.width());
      if (fm.lineSpacing() < fm.height())
        Fault(what, QStringLiteral("lines %1 px apart in a font %2 px high").arg(fm.lineSpacing()).arg(fm.height()));
      if (lines * fm.height() > box.height())
        Fault(what, QStringLiteral("%1 lines of %2 px in %3 px").arg(lines).arg(fm.height()).arg(box.height()));
    }
    if (ink.height() > box.height())
      Fault(what, QStringLiteral("needs %1 px high, has %2").arg(ink.height()).arg(box.height()));
    Note(l, l->wordWrap() ? ink : Ink(fm, ink, text), what);
  }

  void CheckButton(QAbstractButton* b) {
    QString caption = b->text();
    caption.remove(QLatin1Char('&'));
    const QString what = Describe(b, caption);
    if (caption.trimmed().isEmpty() && b->accessibleName().isEmpty()) {
      Fault(what, QStringLiteral("has neither a caption nor an accessible name"));
      return;
    }
    if (caption.isEmpty()) return;
    QRect box;
    if (auto* o = qobject_cast<zembra::TOrvCardsButton*>(b)) {
      const int glyph = o->icon().isNull() ? 0 : o->iconSize().width();
      const zembra::TCaptionBox c =
          zembra::CaptionBox({o->width(), o->height(), glyph, o->GlyphLayout(), o->Margin(), o->Nata(), false});
      box = QRect(c.X, c.Y, c.W, c.H);
    } else {
      QStyleOptionButton opt;
      opt.initFrom(b);
      opt.rect = b->rect();
      opt.text = b->text();
      box = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
    }
    const QFontMetrics fm(b->font());
    if (fm.horizontalAdvance(caption) > box.width())
      Fault(what, QStringLiteral("needs %1 px, has %2").arg(fm.horizontalAdvance(caption)).arg(box.width()));
    if (fm.height() > box.height())
      Fault(what, QStringLiteral("needs %1 px high, has %2").arg(fm.height()).arg(box.height()));
    Note(b, Ink(fm, fm.boundingRect(box, Qt::AlignCenter, caption), caption), what);
  }

  // Column titles: QHeaderView elides a title to its label rectangle less
  // the header margin on both sides.
  void CheckHeader(QTableView* t) {
    QHeaderView* h = t->horizontalHeader();
    if (h->isHidden()) return;
    QStyle* style = h->style();
    const int margin = style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
    int length = 0;
    for (int s = 0; s < h->count(); ++s) {
      if (h->isSectionHidden(s)) continue;
      length += h->sectionSize(s);
      const QString text = t->model()->headerData(s, Qt::Horizontal, Qt::DisplayRole).toString();
      const QString what = QStringLiteral("column title %1 \"%2\"").arg(s).arg(text);
      if (text.trimmed().isEmpty()) {
        if (!BlankSections.count({t, s})) Fault(what, QStringLiteral("is empty"));
        continue;
      }
      // The header paints on its viewport, in the viewport's font unless
      // the title carries its own.
      QFont font = h->viewport()->font();
      const QVariant fontRole = t->model()->headerData(s, Qt::Horizontal, Qt::FontRole);
      if (fontRole.canConvert<QFont>()) font = fontRole.value<QFont>().resolve(font);
      const QFontMetrics fm(font);
      QStyleOptionHeader opt;
      opt.initFrom(h);
      opt.rect = QRect(h->sectionViewportPosition(s), 0, h->sectionSize(s), h->height());
      opt.section = s;
      opt.text = text;
      opt.orientation = Qt::Horizontal;
      opt.fontMetrics = fm;
      const QRect label = style->subElementRect(QStyle::SE_HeaderLabel, &opt, h);
      const int room = label.width() - 2 * margin;
      if (fm.horizontalAdvance(text) > room)
        Fault(what, QStringLiteral("needs %1 px, has %2 (font %3 px)")
                        .arg(fm.horizontalAdvance(text))
                        .arg(room)
                        .arg(font.pixelSize()));
      if (fm.height() > label.height())
        Fault(what, QStringLiteral("needs %1 px high, has %2").arg(fm.height()).arg(label.height()));
      if (font.pixelSize() > 0 && t->font().pixelSize() > 0 && font.pixelSize() * 10 < t->font().pixelSize() * 7)
        Fault(what, QStringLiteral("font %1 px is below 70% of the grid's %2 px")
                        .arg(font.pixelSize())
                        .arg(t->font().pixelSize()));
    }
    if (length > t->viewport()->width())
      Fault(QStringLiteral("grid"), QStringLiteral("columns %1 px wide in a view of %2: not all seen at once")
                                        .arg(length)
                                        .arg(t->viewport()->width()));
  }

  // Cells: the room the style gives an item's text (its display
  // rectangle) less the focus-frame margin on both sides; a wider text is
  // elided.
  void CheckItems(QAbstractItemView* v) {
    TDelegateProbe probe;
    QStyle* style = v->style();
    const int textMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, v) + 1;
    const QAbstractItemModel* model = v->model();
    auto* table = qobject_cast<QTableView*>(v);
    for (int r = 0; r < model->rowCount(); ++r) {
      for (int c = 0; c < model->columnCount(); ++c) {
        if (table && table->isColumnHidden(c)) continue;
        const QModelIndex index = model->index(r, c);
        const QString text = index.data(Qt::DisplayRole).toString();
        if (text.isEmpty()) continue;
        QStyleOptionViewItem opt;
        opt.initFrom(v);
        opt.widget = v;
        opt.font = v->font();
        opt.fontMetrics = QFontMetrics(opt.font);
        opt.rect = v->visualRect(index);
        probe.initStyleOption(&opt, index);
        // The whole room for the text rather than the text's own size.
        opt.showDecorationSelected = true;
        const QRect box = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, v);
        const QFontMetrics fm(opt.font);
        const int room = box.width() - 2 * textMargin;
        const QString what = QStringLiteral("cell %1,%2 \"%3\"").arg(r).arg(c).arg(text);
        if (fm.horizontalAdvance(text) > room)
          Fault(what, QStringLiteral("needs %1 px, has %2").arg(fm.horizontalAdvance(text)).arg(room));
        if (fm.height() > box.height())
          Fault(what, QStringLiteral("needs %1 px high, has %2").arg(fm.height()).arg(box.height()));
      }
    }
  }

  // The glyphs of a single line whose line box is at line: digits and most
  // letters leave the top and the bottom of their line box empty, so the
  // line boxes of close rows may cross while their glyphs stay apart.
  static QRect Ink(const QFontMetrics& fm, const QRect& line, const QString& text) {
    return fm.tightBoundingRect(text).translated(line.left(), line.top() + fm.ascent());
  }

  // The drawn text's box in window coordinates, for the overlap check.
  void Note(const QWidget* w, const QRect& ink, const QString& what) {
    const QRect inWindow = ink.translated(w->mapTo(Root, QPoint(0, 0)));
    if (!Root->rect().contains(inWindow))
      Fault(what, QStringLiteral("leaves the window (%1,%2 %3x%4)")
                      .arg(inWindow.x())
                      .arg(inWindow.y())
                      .arg(inWindow.width())
                      .arg(inWindow.height()));
    Inks.push_back({inWindow, what});
  }

  void CheckOverlaps() {
    for (size_t i = 0; i < Inks.size(); ++i)
      for (size_t j = i + 1; j < Inks.size(); ++j)
        if (Inks[i].first.intersects(Inks[j].first))
          Fault(Inks[i].second, QStringLiteral("overlaps ") + Inks[j].second);
  }

  QString Where;
  QWidget* Root;
  QStringList Faults;
  std::vector<std::pair<QRect, QString>> Inks;
  std::set<std::pair<const QAbstractItemView*, int>> BlankSections;
};

}  // namespace zembra_test
