#include "shell/finance/amortization_dialog.h"

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "faceplate/output_file.h"
#include "shell/finance/dialog_place.h"
#include "shell/finance/finance_text.h"
#include "shell/finance/range_results.h"
#include "shell/finance/schedule_model.h"
#include "shell/window/qt_string.h"

namespace tabulor {

namespace {

// Payments as a spin box holds them; the reached payments always fit.
int spinValue(std::int64_t payments) {
    return static_cast<int>(std::clamp<std::int64_t>(payments, 1, kMostPaymentsShown));
}

QString cappedNote(const ReachedTerms& reached) {
    const QLocale grouped(QLocale::English);
    return qs(text::kCappedNote)
        .arg(grouped.toString(static_cast<qlonglong>(reached.reached)),
             grouped.toString(static_cast<qlonglong>(reached.payments)));
}

}  // namespace

AmortizationDialog::AmortizationDialog(ReadingSource read, QWidget* owner)
    : QDialog(owner),
      read_(std::move(read)),
      first_(new QSpinBox(this)),
      last_(new QSpinBox(this)),
      nextYear_(new QPushButton(qs(text::kNextYear), this)),
      results_(new RangeResults(this)),
      grouping_(new QButtonGroup(this)),
      model_(new ScheduleModel(this)),
      table_(new QTableView(this)),
      note_(new QLabel(this)),
      news_(new QLabel(this)),
      copy_(new QPushButton(qs(text::kCopyTable), this)),
      save_(new QPushButton(qs(text::kSaveTable), this)) {
    setWindowTitle(qs(text::kAmortizationCaption));
    setObjectName(QStringLiteral("amortizationDialog"));
    setModal(false);
    first_->setRange(1, 1);
    last_->setRange(1, 1);

    setUpTable();
    note_->setObjectName(QStringLiteral("scheduleNote"));
    note_->setWordWrap(true);
    note_->setTextFormat(Qt::RichText);
    note_->hide();
    news_->setObjectName(QStringLiteral("scheduleNews"));
    news_->setWordWrap(true);
    news_->hide();

    // The whole table, wherever the focus is in the dialog; the table's own Ctrl+C would copy
    // one cell.
    auto* copyAction = new QAction(this);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    addAction(copyAction);
    connect(copyAction, &QAction::triggered, this, &AmortizationDialog::copyTable);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(makeRangeRow());
    layout->addWidget(results_);
    layout->addSpacing(fontMetrics().height() / 2);
    layout->addLayout(makeGroupingRow());
    layout->addWidget(table_, 1);
    // Takes the room of a table that is not shown, so the rest keeps its place.
    layout->addStretch(0);
    layout->addWidget(note_);
    layout->addWidget(news_);
    layout->addLayout(makeButtonRow());

    const int column = fontMetrics().horizontalAdvance(QStringLiteral("-000,000,000.00")) + 16;
    resize(std::max(column * 4 + 40, sizeHint().width()), fontMetrics().height() * 36);
    placeBeside(this, owner);
}

void AmortizationDialog::setUpTable() {
    table_->setObjectName(QStringLiteral("scheduleTable"));
    table_->setAccessibleName(qs(text::kSchedule));
    table_->setModel(model_);
    table_->verticalHeader()->hide();
    // Rows of one height keep a table of 100,000 rows quick to lay out.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
}

QLayout* AmortizationDialog::makeRangeRow() {
    first_->setObjectName(QStringLiteral("firstPayment"));
    last_->setObjectName(QStringLiteral("lastPayment"));
    first_->setAccessibleName(QStringLiteral("First payment"));
    last_->setAccessibleName(QStringLiteral("Last payment"));
    nextYear_->setObjectName(QStringLiteral("nextYear"));
    auto* from = new QLabel(qs(text::kFromPayment), this);
    auto* to = new QLabel(qs(text::kToPayment), this);
    from->setBuddy(first_);
    to->setBuddy(last_);
    connect(first_, &QSpinBox::valueChanged, this, &AmortizationDialog::showRange);
    connect(last_, &QSpinBox::valueChanged, this, &AmortizationDialog::showRange);
    connect(nextYear_, &QPushButton::clicked, this, &AmortizationDialog::nextYear);
    auto* row = new QHBoxLayout;
    row->addWidget(from);
    row->addWidget(first_);
    row->addWidget(to);
    row->addWidget(last_);
    row->addWidget(nextYear_);
    row->addStretch(1);
    return row;
}

QLayout* AmortizationDialog::makeGroupingRow() {
    auto* byPayment = new QRadioButton(qs(text::kByPayment), this);
    auto* byYear = new QRadioButton(qs(text::kByYear), this);
    byPayment->setObjectName(QStringLiteral("byPayment"));
    byYear->setObjectName(QStringLiteral("byYear"));
    byPayment->setChecked(true);
    grouping_->addButton(byPayment, static_cast<int>(ScheduleGrouping::ByPayment));
    grouping_->addButton(byYear, static_cast<int>(ScheduleGrouping::ByYear));
    connect(grouping_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) rebuildTable();
    });
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(qs(text::kSchedule), this));
    row->addWidget(byPayment);
    row->addWidget(byYear);
    row->addStretch(1);
    return row;
}

QLayout* AmortizationDialog::makeButtonRow() {
    copy_->setObjectName(QStringLiteral("copyTable"));
    save_->setObjectName(QStringLiteral("saveTable"));
    connect(copy_, &QPushButton::clicked, this, &AmortizationDialog::copyTable);
    connect(save_, &QPushButton::clicked, this, &AmortizationDialog::saveTable);
    auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(copy_);
    row->addWidget(save_);
    row->addStretch(1);
    row->addWidget(close);
    return row;
}

void AmortizationDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refresh();
}

void AmortizationDialog::refresh() {
    if (!isVisible()) return;
    const std::optional<CalculatorReading> now = read_();
    if (!now || !now->display) {
        shown_.reset();
        reached_ = ReachedTerms{};
        reached_.refusal = text::kNoCalculator;
        rebuildTable();
        showRange();
        return;
    }
    const AmortizationTerms terms = amortizationTerms(*now);
    if (shown_ && sameTerms(*shown_, terms) && decimalMark_ == now->display->decimalMark) return;
    rebuild(terms, now->display->decimalMark);
}

void AmortizationDialog::rebuild(const AmortizationTerms& terms, MarkCode decimalMark) {
    shown_ = terms;
    decimalMark_ = decimalMark;
    reached_ = reachTerms(terms);
    const bool reachable = reached_.refusal.empty();
    if (reachable) {
        const QSignalBlocker holdFirst(first_);
        const QSignalBlocker holdLast(last_);
        first_->setRange(1, spinValue(reached_.reached));
        last_->setRange(1, spinValue(reached_.reached));
        // From the first payment through one year, until the user chooses.
        if (!rangeChosen_) {
            first_->setValue(1);
            last_->setValue(spinValue(static_cast<std::int64_t>(
                std::min<double>(terms.tvm.paymentsPerYear, kMostPaymentsShown))));
            rangeChosen_ = true;
        }
    }
    rebuildTable();
    showRange();
}

void AmortizationDialog::rebuildTable() {
    const auto grouping = static_cast<ScheduleGrouping>(grouping_->checkedId());
    model_->setTable(buildScheduleTable(reached_, grouping), decimalMark_);
    const ScheduleTable& table = model_->table();
    const bool built = table.refusal.empty();
    table_->setVisible(built);
    copy_->setEnabled(built);
    save_->setEnabled(built);
    // A refusal of the registers themselves is told once, with the results.
    QString note;
    if (built && reached_.reached < reached_.payments)
        note = cappedNote(reached_);
    else if (!built && reached_.refusal.empty())
        note = (qs(text::kCannotAmortize) + qs(table.refusal)).toHtmlEscaped();
    note_->setText(note);
    note_->setVisible(!note_->text().isEmpty());
    say(QString());
}

void AmortizationDialog::showRange() {
    const bool reachable = reached_.refusal.empty();
    first_->setEnabled(reachable);
    last_->setEnabled(reachable);
    for (QAbstractButton* button : grouping_->buttons())
        button->setEnabled(reachable);
    AmortizedRange range;
    if (reachable)
        range = amortizeRange(reached_.terms, first_->value(), last_->value());
    else
        range.refusal = reached_.refusal;
    nextYear_->setEnabled(reachable && last_->value() < last_->maximum());
    if (range.refusal.empty())
        results_->showSpan(range.span, reached_.terms.decimals, decimalMark_);
    else
        results_->showRefusal(qs(text::kCannotAmortize) + qs(range.refusal));
}

void AmortizationDialog::nextYear() {
    const int year = spinValue(static_cast<std::int64_t>(
        std::min<double>(reached_.terms.tvm.paymentsPerYear, kMostPaymentsShown)));
    const int first = std::min(first_->value() + year, first_->maximum());
    const int last = std::min(last_->value() + year, last_->maximum());
    {
        const QSignalBlocker holdFirst(first_);
        first_->setValue(first);
    }
    last_->setValue(last);
}

void AmortizationDialog::say(const QString& news) {
    news_->setText(news);
    news_->setAccessibleName(news);
    news_->setVisible(!news.isEmpty());
}

void AmortizationDialog::copyTable() {
    if (!model_->table().refusal.empty()) return;
    QGuiApplication::clipboard()->setText(qs(scheduleTableText(model_->table(), '\t')));
    say(QStringLiteral("Copied the table as tab-separated text."));
}

void AmortizationDialog::saveTable() {
    if (!model_->table().refusal.empty()) return;
    const QString path = QFileDialog::getSaveFileName(this, qs(text::kSaveCaption),
                                                      qs(text::kCsvName), qs(text::kCsvFiles));
    if (path.isEmpty()) return;
    const std::string failed = writeOutputText(QFile::encodeName(path).toStdString(),
                                               scheduleTableText(model_->table(), ','));
    say(failed.empty() ? QStringLiteral("Saved %1").arg(path)
                       : QStringLiteral("Could not save %1: %2").arg(path, qs(failed)));
}

}  // namespace tabulor
