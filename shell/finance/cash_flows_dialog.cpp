#include "shell/finance/cash_flows_dialog.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "engine/number_keys.h"
#include "faceplate/output_file.h"
#include "finance/cash_flow_csv.h"
#include "finance/irr_text.h"
#include "shell/finance/dialog_place.h"
#include "shell/finance/finance_text.h"
#include "shell/finance/flow_model.h"
#include "shell/finance/flow_results.h"
#include "shell/window/qt_string.h"

namespace tabulor {

namespace {

// A list of flows many times longer than any kept by hand; past it a file is no list of ours.
constexpr qint64 kLargestFile = 64 * 1024 * 1024;

char markChar(MarkCode mark) {
    return mark == MarkCode::Comma ? ',' : '.';
}

QString flaggedStyle(bool flagged) {
    return flagged ? QStringLiteral("QLineEdit { background: #ffcdcd; color: #960000; }")
                   : QString();
}

QPushButton* button(std::string_view label, const char* name, QWidget* parent) {
    auto* made = new QPushButton(qs(label), parent);
    made->setObjectName(QLatin1String(name));
    // Return belongs to the cell or the rate being entered, not to a button.
    made->setAutoDefault(false);
    return made;
}

}  // namespace

CashFlowsDialog::CashFlowsDialog(ReadingSource read, KeyTyper type, QWidget* owner)
    : QDialog(owner),
      read_(std::move(read)),
      type_(std::move(type)),
      rate_(new QLineEdit(this)),
      model_(new FlowModel(this)),
      table_(new QTableView(this)),
      add_(button(text::kAddFlow, "addFlow", this)),
      insert_(button(text::kInsertFlow, "insertFlow", this)),
      delete_(button(text::kDeleteFlow, "deleteFlow", this)),
      paste_(button(text::kPasteFlows, "pasteFlows", this)),
      results_(new FlowResults(this)),
      news_(new QLabel(this)),
      open_(button(text::kOpenFlows, "openFlows", this)),
      save_(button(text::kSaveFlows, "saveFlows", this)),
      close_(button("Close", "closeFlows", this)) {
    setWindowTitle(qs(text::kCashFlowsCaption));
    setObjectName(QStringLiteral("cashFlowsDialog"));
    setModal(false);
    setUpTable();
    news_->setObjectName(QStringLiteral("flowNews"));
    news_->setWordWrap(true);
    news_->hide();
    connect(results_, &FlowResults::useRequested, this, &CashFlowsDialog::useValue);

    auto* flows = new QHBoxLayout;
    flows->addWidget(table_, 1);
    flows->addLayout(makeRowButtons());
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(makeRateRow());
    layout->addLayout(flows, 1);
    layout->addWidget(results_);
    layout->addWidget(news_);
    layout->addLayout(makeFileRow());
    setTabOrder();

    const int column = fontMetrics().horizontalAdvance(QStringLiteral("-000,000,000.00")) + 16;
    resize(std::max(column * 3, sizeHint().width()), fontMetrics().height() * 34);
    placeBeside(this, owner);
    workFlows();
}

void CashFlowsDialog::setUpTable() {
    table_->setObjectName(QStringLiteral("flowTable"));
    table_->setAccessibleName(qs(text::kFlows));
    table_->setModel(model_);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    // Typing into a cell edits it; landing on one does not, so that Ctrl+V there pastes flows.
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    table_->setTabKeyNavigation(false);
    // Ctrl+V in the table pastes flows; in a cell being edited it pastes text as ever.
    auto* pasteAction = new QAction(table_);
    pasteAction->setShortcut(QKeySequence::Paste);
    pasteAction->setShortcutContext(Qt::WidgetShortcut);
    table_->addAction(pasteAction);
    connect(pasteAction, &QAction::triggered, this, &CashFlowsDialog::pasteFlows);
    auto* insertAction = new QAction(table_);
    insertAction->setShortcut(Qt::Key_Insert);
    insertAction->setShortcutContext(Qt::WidgetShortcut);
    table_->addAction(insertAction);
    connect(insertAction, &QAction::triggered, insert_, &QPushButton::click);
    connect(model_, &QAbstractItemModel::modelReset, this, &CashFlowsDialog::workFlows);
    connect(model_, &QAbstractItemModel::dataChanged, this, &CashFlowsDialog::workFlows);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &CashFlowsDialog::workFlows);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &CashFlowsDialog::workFlows);
}

QLayout* CashFlowsDialog::makeRateRow() {
    rate_->setObjectName(QStringLiteral("flowRate"));
    rate_->setAccessibleName(qs(text::kRateName));
    auto* caption = new QLabel(qs(text::kRatePerPeriod), this);
    caption->setBuddy(rate_);
    connect(rate_, &QLineEdit::textChanged, this, &CashFlowsDialog::workRate);
    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(rate_);
    row->addStretch(1);
    return row;
}

QLayout* CashFlowsDialog::makeRowButtons() {
    const auto current = [this] {
        return table_->currentIndex().isValid() ? table_->currentIndex().row() : 0;
    };
    const auto editAmount = [this](int row) {
        const QModelIndex cell = model_->index(row, 0);
        table_->setCurrentIndex(cell);
        table_->setFocus();
        table_->edit(cell);
    };
    connect(add_, &QPushButton::clicked, this, [this, editAmount] {
        model_->appendFlow();
        editAmount(model_->rowCount() - 1);
    });
    connect(insert_, &QPushButton::clicked, this, [this, current, editAmount] {
        const int row = current();
        model_->insertFlow(row);
        editAmount(row);
    });
    connect(delete_, &QPushButton::clicked, this, [this, current] {
        const int row = current();
        model_->removeFlow(row);
        table_->setCurrentIndex(model_->index(std::min(row, model_->rowCount() - 1), 0));
    });
    connect(paste_, &QPushButton::clicked, this, &CashFlowsDialog::pasteFlows);
    auto* column = new QVBoxLayout;
    for (QPushButton* each : {add_, insert_, delete_, paste_})
        column->addWidget(each);
    column->addStretch(1);
    return column;
}

QLayout* CashFlowsDialog::makeFileRow() {
    open_->setShortcut(QKeySequence::Open);
    save_->setShortcut(QKeySequence::Save);
    open_->setToolTip(QStringLiteral("Open a list saved as CSV (Ctrl+O)"));
    save_->setToolTip(QStringLiteral("Save the list as CSV: amount, count (Ctrl+S)"));
    connect(open_, &QPushButton::clicked, this, &CashFlowsDialog::openFlows);
    connect(save_, &QPushButton::clicked, this, &CashFlowsDialog::saveFlows);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(open_);
    row->addWidget(save_);
    row->addStretch(1);
    row->addWidget(close_);
    return row;
}

// Down the dialog as it reads: the rate, the list and its buttons, the results, the file.
void CashFlowsDialog::setTabOrder() {
    QList<QWidget*> chain{rate_, table_, add_, insert_, delete_, paste_};
    for (QWidget* child : results_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->focusPolicy() & Qt::TabFocus) chain << child;
    }
    chain << open_ << save_ << close_;
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void CashFlowsDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    refresh();
    prefillRate();
}

// I/YR ÷ P/YR as the registers stand when the dialog opens, to the digits the entry holds.
void CashFlowsDialog::prefillRate() {
    const std::optional<CalculatorReading> now = read_();
    if (!now) return;
    const double rate = now->tvm.interestPerYear / now->tvm.paymentsPerYear;
    QString text = std::isfinite(rate) ? qs(enteredText(rate)) : QString();
    if (decimalMark_ == MarkCode::Comma) text.replace('.', ',');
    rate_->setText(text);
}

void CashFlowsDialog::refresh() {
    if (!isVisible()) return;
    const std::optional<CalculatorReading> now = read_();
    if (!now || !now->display) return;
    const double perYear = now->tvm.paymentsPerYear;
    if (decimals_ == now->display->decimals && decimalMark_ == now->display->decimalMark &&
        paymentsPerYear_ == perYear)
        return;
    decimals_ = now->display->decimals;
    decimalMark_ = now->display->decimalMark;
    paymentsPerYear_ = perYear;
    model_->setDecimalMark(markChar(decimalMark_));
    showResults();
}

void CashFlowsDialog::workFlows() {
    const FlowCheck check = model_->check();
    worked_.blank = check.blank;
    worked_.listFault = check.fault;
    flows_ = check.flows;
    worked_.irr.reset();
    if (!flows_.empty()) worked_.irr = internalRates(flows_);
    save_->setEnabled(!flows_.empty());
    workRate();
}

void CashFlowsDialog::workRate() {
    worked_.npv.reset();
    worked_.nfv.reset();
    const EntryRead<double> rate =
        amountEntry(rate_->text().trimmed().toStdString(), markChar(decimalMark_));
    worked_.rateFault.clear();
    if (rate_->text().trimmed().isEmpty())
        worked_.rateFault = QStringLiteral("Enter the rate per period for NPV and NFV.");
    else if (!rate.value)
        worked_.rateFault = QStringLiteral("The rate '%1' %2.").arg(rate_->text(), qs(rate.fault));
    else if (!isFlowRate(*rate.value))
        worked_.rateFault = QStringLiteral("The rate must be above -100 %.");
    const bool badRate = !worked_.rateFault.isEmpty() && !rate_->text().trimmed().isEmpty();
    rate_->setStyleSheet(flaggedStyle(badRate));
    rate_->setAccessibleDescription(badRate ? worked_.rateFault : QString());
    if (worked_.rateFault.isEmpty() && !flows_.empty()) {
        worked_.npv = netPresentValue(flows_, *rate.value);
        worked_.nfv = netFutureValue(flows_, *rate.value);
    }
    showResults();
}

void CashFlowsDialog::showResults() {
    const auto valueOf = [](const std::optional<FlowValue>& worked) -> std::optional<double> {
        if (!worked || !worked->refusal.empty()) return std::nullopt;
        return worked->value;
    };
    std::optional<double> irr;
    std::optional<double> irrPerYear;
    if (worked_.irr && irrRefusal(*worked_.irr, paymentsPerYear_).empty()) {
        irr = reportedRate(*worked_.irr);
        if (irr) irrPerYear = *irr * paymentsPerYear_;
    }
    results_->showResult(FlowResult::Npv, valueOf(worked_.npv), decimals_, decimalMark_);
    results_->showResult(FlowResult::Nfv, valueOf(worked_.nfv), decimals_, decimalMark_);
    results_->showResult(FlowResult::IrrPerPeriod, irr, decimals_, decimalMark_);
    results_->showResult(FlowResult::IrrPerYear, irrPerYear, decimals_, decimalMark_);
    results_->showNote(resultsNote());
}

// Why a result is missing, and what the IRR is: the only root, one of several, or none.
QString CashFlowsDialog::resultsNote() const {
    if (worked_.blank) return qs(text::kEnterFlows);
    if (!worked_.listFault.isEmpty()) return worked_.listFault;
    QStringList lines;
    if (!worked_.rateFault.isEmpty()) lines << worked_.rateFault;
    for (const auto& value : {worked_.npv, worked_.nfv}) {
        if (value && !value->refusal.empty()) lines << qs(value->refusal);
    }
    if (worked_.irr) {
        const std::string refused = irrRefusal(*worked_.irr, paymentsPerYear_);
        lines << QStringLiteral("IRR: ") +
                     qs(refused.empty() ? irrNote(*worked_.irr, decimals_, decimalMark_) : refused);
    }
    lines.removeDuplicates();
    return lines.join('\n');
}

void CashFlowsDialog::useValue(double value) {
    const std::optional<std::vector<KeyCode>> keys = keysForNumberText(enteredText(value));
    if (!keys) return;
    type_(*keys);
    say(QStringLiteral("Keyed %1 into the calculator.").arg(qs(enteredText(value))));
}

void CashFlowsDialog::pasteFlows() {
    const int row = table_->currentIndex().isValid() ? table_->currentIndex().row() : 0;
    const PastedFlows pasted =
        pastedFlows(QGuiApplication::clipboard()->text().toStdString(), markChar(decimalMark_));
    const QString fault = model_->paste(row, pasted);
    say(fault.isEmpty() ? QStringLiteral("Pasted %1 flows.").arg(pasted.flows.size())
                        : QStringLiteral("Nothing pasted: %1").arg(fault));
}

void CashFlowsDialog::openFlows() {
    const QString path =
        QFileDialog::getOpenFileName(this, qs(text::kOpenFlowsCaption), {}, qs(text::kCsvFiles));
    if (path.isEmpty()) return;
    QFile file(path);
    QString failed;
    if (!file.open(QIODevice::ReadOnly))
        failed = file.errorString();
    else if (file.size() > kLargestFile)
        failed = QStringLiteral("the file is too large for a list of cash flows");
    CashFlowRead read;
    if (failed.isEmpty()) {
        read = readCashFlowCsv(file.readAll().toStdString());
        failed = qs(read.error);
    }
    if (!failed.isEmpty()) {
        say(QStringLiteral("Could not open %1: %2").arg(path, failed));
        return;
    }
    model_->setFlows(read.flows);
    say(QStringLiteral("Opened %1: %2 flows.").arg(path).arg(read.flows.size()));
}

void CashFlowsDialog::saveFlows() {
    if (flows_.empty()) return;
    const QString path = QFileDialog::getSaveFileName(this, qs(text::kSaveFlowsCaption),
                                                      qs(text::kFlowsCsvName), qs(text::kCsvFiles));
    if (path.isEmpty()) return;
    const std::string failed =
        writeOutputText(QFile::encodeName(path).toStdString(), cashFlowCsv(flows_));
    say(failed.empty() ? QStringLiteral("Saved %1").arg(path)
                       : QStringLiteral("Could not save %1: %2").arg(path, qs(failed)));
}

void CashFlowsDialog::say(const QString& news) {
    news_->setText(news);
    news_->setAccessibleName(news);
    news_->setVisible(!news.isEmpty());
}

}  // namespace tabulor
