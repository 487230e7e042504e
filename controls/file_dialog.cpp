#include "controls/file_dialog.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "controls/file_chooser.h"
#include "controls/file_dialog_request.h"
#include "controls/file_filter.h"

namespace {

QString Executable()
{
    if (!QCoreApplication::instance())
        return QStringLiteral("velmora");
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

} // namespace

FileDialogCancelled::FileDialogCancelled(QString source)
    : std::runtime_error("User selected cancel."), m_source(std::move(source))
{
}

QString FileDialogCancelled::description() const
{
    return QStringLiteral("User selected cancel.");
}

cFileDialog::cFileDialog(FileChooser *chooser)
    : m_chooser(chooser ? chooser : &DefaultFileChooser())
{
}

void cFileDialog::SetFilter(const QString &filter)
{
    m_filter = ConvertFilter(filter);
}

void cFileDialog::ShowOpen()
{
    if (!Show(false) && CancelError)
        throw FileDialogCancelled(Executable() + QStringLiteral(".cFileDialog"));
}

void cFileDialog::ShowSave()
{
    // The save dialog's error has always named its class this way; callers that
    // test the source match it.
    if (!Show(true) && CancelError)
        throw FileDialogCancelled(Executable() + QStringLiteral(".cFilenDialog"));
}

bool cFileDialog::Show(bool save)
{
    FileDialogRequest request;
    request.kind = save ? FileDialogKind::Save : FileDialogKind::Open;
    request.title = DialogTitle;
    request.initDir = InitDir;
    request.fileName = Filename;
    request.filter = m_filter;
    request.filterIndex = FilterIndex;
    request.defaultExt = DefaultExt;
    const bool multiSelect = !save && (flags & DialogFlag::AllowMultiSelect);
    request.flags = multiSelect ? flags | DialogFlag::Explorer : flags;

    const FileDialogAnswer answer = m_chooser->Choose(hWnd, request);
    if (answer.result != 1)
        return false;
    Filename = multiSelect ? SelectionText(answer.files) : answer.files.value(0);
    return true;
}

void cFileDialog::ParseMultiFileName(QString &sDir, QStringList &sFiles, long &lFileCount) const
{
    ::ParseMultiFileName(Filename, sDir, sFiles, lFileCount);
}
