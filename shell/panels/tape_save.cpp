#include "shell/panels/tape_save.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "shell/panels/tape_file.h"

namespace tabulor {

namespace {

const QString kTextFilter = QStringLiteral("Text (*.txt)");
const QString kCsvFilter = QStringLiteral("CSV for spreadsheets (*.csv)");

}  // namespace

bool saveTapeAs(QWidget* parent, const TapeStore& tape) {
    QString chosenFilter = kTextFilter;
    const QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Save the tape"), QDir::home().filePath(QStringLiteral("tape.txt")),
        kTextFilter + QStringLiteral(";;") + kCsvFilter, &chosenFilter);
    if (path.isEmpty()) return false;
    const std::string name = QFile::encodeName(path).toStdString();
    const std::string error =
        saveTapeFile(name, tape, tapeFormatFor(name, chosenFilter == kCsvFilter));
    if (error.empty()) return true;
    QMessageBox::warning(parent, QStringLiteral("Tape not saved"),
                         QStringLiteral("The tape could not be saved to %1: %2\n"
                                        "It is still here; nothing was lost.")
                             .arg(path, QString::fromStdString(error)));
    return false;
}

}  // namespace tabulor
