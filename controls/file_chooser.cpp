#include "controls/file_chooser.h"

#include <QFileDialog>

#include "controls/file_filter.h"

namespace {

void Configure(QFileDialog &dialog, const FileDialogRequest &request, const QStringList &nameFilters)
{
    const bool save = request.kind == FileDialogKind::Save;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.flags & DialogFlag::OverwritePrompt));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (save)
        dialog.setFileMode(QFileDialog::AnyFile);
    else if (request.flags & DialogFlag::AllowMultiSelect)
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else
        dialog.setFileMode((request.flags & DialogFlag::FileMustExist) ? QFileDialog::ExistingFile
                                                                        : QFileDialog::AnyFile);
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    if (!request.initDir.isEmpty())
        dialog.setDirectory(request.initDir);
    dialog.setDefaultSuffix(request.defaultExt);
    if (!nameFilters.isEmpty()) {
        dialog.setNameFilters(nameFilters);
        // An index outside the list shows the first pair.
        const int index = request.filterIndex >= 1 && request.filterIndex <= nameFilters.size()
                              ? request.filterIndex
                              : 1;
        dialog.selectNameFilter(nameFilters[index - 1]);
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
}

} // namespace

FileDialogAnswer QtFileChooser::Choose(QWidget *owner, const FileDialogRequest &request)
{
    const QStringList nameFilters = QtNameFilters(request.filter);
    QFileDialog dialog(owner);
    Configure(dialog, request, nameFilters);

    FileDialogAnswer answer;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return answer;
    answer.result = 1;
    answer.files = dialog.selectedFiles();
    answer.filterIndex = std::max(1, int(nameFilters.indexOf(dialog.selectedNameFilter())) + 1);
    answer.flags = ReturnedFlags(request.flags, answer.files, request.defaultExt);
    return answer;
}

FileChooser &DefaultFileChooser()
{
    static QtFileChooser chooser;
    return chooser;
}
