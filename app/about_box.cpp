#include "app/about_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

#include "resources/fonts.h"
#include "resources/orv_cards_button.h"
#include "resources/strip_animation.h"
#include "resources/text.h"

namespace zembra {
namespace {

QString Credits() {
  auto esc = [](int row) { return Row(row).toHtmlEscaped(); };
  QString html;
  html += QStringLiteral("<p>%1</p>").arg(esc(1075));
  html += QStringLiteral("<p>%1</p>").arg(esc(1070));
  html += QStringLiteral("<h3>%1</h3>").arg(esc(1071));
  // The works and their licences by their own names, which read the same
  // in every language.
  html += QStringLiteral("<p><b>%1:</b> “Nicu White” — Nicu Buculei · KDE Games © The KDE project · "
                         "GNU GPL 2+</p>")
              .arg(esc(1072));
  html += QStringLiteral("<p><b>%1:</b> Comic Neue © Craig Rozynski, Hrant Papazian, Brandon Schoech · "
                         "Liberation Mono © Google, Red Hat · SIL Open Font License 1.1</p>")
              .arg(esc(1073));
  html += QStringLiteral("<p>Qt 6 © The Qt Company · GNU LGPL 3<br>GIFLIB © Eric S. Raymond et al. · MIT<br>"
                         "libcurl © Daniel Stenberg et al. · curl</p>");
  return html;
}

}  // namespace

TAboutBox::TAboutBox(const TSettings& settings, QWidget* parent) : QDialog(parent) {
  setWindowTitle(Row(29));
  setModal(true);
  auto* icon = new QLabel(this);
  icon->setPixmap(ArtPicture(QStringLiteral("ZembraIcon"))
                      .scaled(96, 96, Qt::KeepAspectRatio, Qt::SmoothTransformation));
  Name = new QLabel(QStringLiteral("Zembra  ") + QLatin1String(kVersionText), this);
  Name->setFont(RoleFont(settings, TFontRoleId::Decor, 30, true));
  Name->setStyleSheet(QStringLiteral("color: #800000;"));
  Name->setAccessibleName(Name->text());
  Text = new QLabel(Credits(), this);
  Text->setWordWrap(true);
  Text->setTextFormat(Qt::RichText);
  Text->setMinimumWidth(420);
  Ok = new TOrvCardsButton(QStringLiteral("Ok"), this);
  static_cast<TOrvCardsButton*>(Ok)->SetColorSB(TColorSB::DRed);
  QPalette pal = Ok->palette();
  pal.setColor(QPalette::ButtonText, Qt::white);
  Ok->setPalette(pal);
  Ok->setDefault(true);
  Ok->setMinimumWidth(120);
  connect(Ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addSpacing(12);
  auto* right = new QVBoxLayout;
  right->addWidget(Name);
  right->addWidget(Text);
  top->addLayout(right, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Ok);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace zembra
