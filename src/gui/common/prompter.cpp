#include "gui/common/prompter.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace tessalin::gui {

QStringList QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(';', ' ');
        const int open = description.lastIndexOf('(');
        if (open >= 0 && description.endsWith(')')) description.truncate(open);
        result << description.trimmed() + " (" + patterns + ")";
    }
    return result;
}

namespace {

// The extension a bare file name takes under a Qt name filter: that of its only pattern ("Parameter Set
// (*.set)" gives "set"), else the dialog's default.
QString SuffixOfFilter(const QString& nameFilter, const QString& fallback) {
    const int open = static_cast<int>(nameFilter.lastIndexOf('('));
    if (open < 0 || !nameFilter.endsWith(')')) return fallback;
    const QStringList patterns = nameFilter.mid(open + 1, nameFilter.size() - open - 2).split(' ', Qt::SkipEmptyParts);
    if (patterns.size() != 1 || !patterns[0].startsWith("*.")) return fallback;
    const QString suffix = patterns[0].mid(2);
    return suffix.contains('*') || suffix.contains('?') ? fallback : suffix;
}

FileDialogResult RunFileDialog(QWidget* parent, const FileDialogSpec& dialogSpec, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, dialogSpec.Title, dialogSpec.InitialDir);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen && dialogSpec.MustExist ? QFileDialog::ExistingFile
                                                                         : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    const QStringList filters = QtNameFilters(dialogSpec.Filter);
    dialog.setNameFilters(filters);
    if (dialogSpec.FilterIndex >= 1 && dialogSpec.FilterIndex <= filters.size()) dialog.selectNameFilter(filters[dialogSpec.FilterIndex - 1]);
    // A bare name takes the extension of the filter chosen, so "Parametersatz (*.set)" gives NAME.set.
    dialog.setDefaultSuffix(SuffixOfFilter(dialog.selectedNameFilter(), dialogSpec.DefaultExt));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &dialogSpec](const QString& chosen) {
        dialog.setDefaultSuffix(SuffixOfFilter(chosen, dialogSpec.DefaultExt));
    });
    if (!dialogSpec.FileName.isEmpty()) dialog.selectFile(dialogSpec.FileName);
    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return result;
    result.Accepted = true;
    result.Path = QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
    result.FilterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
    if (result.FilterIndex < 1) result.FilterIndex = 1;
    return result;
}

}  // namespace

FileDialogResult QtPrompter::OpenFile(QWidget* parent, const FileDialogSpec& dialogSpec) {
    return RunFileDialog(parent, dialogSpec, QFileDialog::AcceptOpen);
}

FileDialogResult QtPrompter::SaveFile(QWidget* parent, const FileDialogSpec& dialogSpec) {
    return RunFileDialog(parent, dialogSpec, QFileDialog::AcceptSave);
}

MessageAnswer QtPrompter::Message(QWidget* parent, const QString& caption, const QString& text, MessageIcon icon,
                                  MessageButtons buttons) {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
        case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
        case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    }
    switch (buttons) {
        case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes: return MessageAnswer::Yes;
        case QMessageBox::No: return MessageAnswer::No;
        case QMessageBox::Ok: return MessageAnswer::Ok;
        default: return MessageAnswer::Cancel;
    }
}

bool QtPrompter::Print(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

int QtPrompter::Exec(QDialog& dialog) { return dialog.exec(); }

}  // namespace tessalin::gui
