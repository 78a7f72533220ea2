#include "shell/panels/register_view.h"

#include <QScrollBar>
#include <QVBoxLayout>

#include "shell/panels/panel_font.h"
#include "shell/panels/register_rows.h"

namespace tabulor {

namespace {

// "Mode" or "R9", and the longest value the cells show with its marks.
constexpr int kNameColumns = 5;
constexpr int kValueColumns = 17;
constexpr int kMargin = 4;

QString rowText(const RegisterRow& row) {
    return QString::fromStdString(row.name).leftJustified(kNameColumns) + ' ' +
           QString::fromStdString(row.shown).rightJustified(kValueColumns);
}

}  // namespace

RegisterView::RegisterView(QWidget* parent)
    : QWidget(parent),
      model_(new QStandardItemModel(this)),
      title_(new QLabel(QStringLiteral("Registers"), this)),
      list_(new CopyingListView(this)) {
    setObjectName(QStringLiteral("registerView"));
    setAutoFillBackground(true);
    list_->setObjectName(QStringLiteral("registerList"));
    list_->setAccessibleName(QStringLiteral("Registers"));
    list_->setModel(model_);
    list_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(list_, 1);
}

void RegisterView::setZoom(int zoom) {
    zoom_ = zoom;
    list_->setFont(fixedPitchFont(zoom));
    QFont heading = zoomedFont(QWidget::font(), zoom);
    heading.setBold(true);
    title_->setFont(heading);
    layout()->setContentsMargins(kMargin * zoom, kMargin * zoom, kMargin * zoom, kMargin * zoom);
    // The rows carry their own fonts, the bold ones among them.
    for (int row = 0; row < model_->rowCount(); ++row) {
        QStandardItem* item = model_->item(row);
        QFont font = list_->font();
        font.setBold(item->font().bold());
        item->setFont(font);
    }
}

int RegisterView::widthAt(int zoom) const {
    const QFontMetrics metrics(fixedPitchFont(zoom));
    return metrics.horizontalAdvance(QString(kNameColumns + 1 + kValueColumns + 1, '0')) +
           2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width() +
           2 * kMargin * zoom;
}

void RegisterView::setReading(const CalculatorReading& reading) {
    const std::vector<RegisterRow> rows = registerRows(reading);
    QFont plain = fixedPitchFont(zoom_);
    QFont bold = plain;
    bold.setBold(true);
    model_->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const RegisterRow& row = rows[r];
        QStandardItem* item = model_->item(static_cast<int>(r));
        if (item == nullptr) {
            item = new QStandardItem;
            item->setEditable(false);
            model_->setItem(static_cast<int>(r), item);
        }
        const QString shown = QString::fromStdString(row.shown);
        item->setText(rowText(row));
        item->setData(QString::fromStdString(row.name) + ' ' + shown, Qt::AccessibleTextRole);
        item->setToolTip(QString::fromStdString(row.name + " " + row.full));
        item->setData(QString::fromStdString(row.copy), kCopyRole);
        item->setFont(row.standsOut ? bold : plain);
    }
}

}  // namespace tabulor
