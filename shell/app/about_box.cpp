#include "shell/app/about_box.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "shell/app/build_info.h"
#include "shell/app/shell_text.h"

namespace tabulor {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

AboutBox::AboutBox(QWidget* owner)
    : QDialog(owner), welcome_(new QLabel(this)), buildDate_(new QLabel(this)) {
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
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tabulor
