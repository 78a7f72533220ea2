#include "shell/window/about_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "shell/window/build_info.h"
#include "shell/window/key_map.h"
#include "shell/window/qt_string.h"
#include "shell/window/shell_text.h"

namespace tabulor {

namespace {

// The keyboard map as a two-column table.
QString keyboardTable() {
    QString html = QStringLiteral("<b>Keyboard</b><table cellspacing=\"0\" cellpadding=\"1\">");
    for (const KeyMapLine& line : keyboardMap()) {
        html += QStringLiteral("<tr><td>%1</td><td>&nbsp;&nbsp;%2</td></tr>")
                    .arg(qs(line.keys).toHtmlEscaped(), qs(line.meaning).toHtmlEscaped());
    }
    return html + QStringLiteral("</table>");
}

}  // namespace

AboutBox::AboutBox(QWidget* owner)
    : QDialog(owner),
      welcome_(new QLabel(this)),
      buildDate_(new QLabel(this)),
      keyboard_(new QLabel(this)) {
    setWindowTitle(qs(text::kAboutCaption));
    setWindowIcon(applicationIcon());
    setObjectName(QStringLiteral("aboutBox"));

    auto* icon = new QLabel(this);
    icon->setPixmap(applicationIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    welcome_->setText(qs(text::kWelcome) + '\n' + qs(text::kDescription) + '\n' +
                      qs(text::kVersion));
    welcome_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    welcome_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    buildDate_->setText(qs(text::kBuildDatePrefix) + buildDate());
    buildDate_->setAlignment(Qt::AlignHCenter);

    auto* contact = new QLabel(qs(text::kContact), this);
    contact->setAlignment(Qt::AlignHCenter);
    contact->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* notes = new QLabel(qs(text::kArithmeticNote) + '\n' + qs(text::kFullPrecisionNote), this);
    notes->setObjectName(QStringLiteral("notes"));

    keyboard_->setTextFormat(Qt::RichText);
    keyboard_->setText(keyboardTable());
    keyboard_->setObjectName(QStringLiteral("keyboardMap"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* head = new QHBoxLayout;
    head->addWidget(icon);
    head->addWidget(welcome_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addWidget(buildDate_);
    layout->addSpacing(12);
    layout->addWidget(contact);
    layout->addSpacing(12);
    layout->addWidget(notes);
    layout->addWidget(keyboard_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tabulor
