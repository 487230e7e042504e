#include "controls/common_dialog_args.h"

#include <QFileInfo>

#include "controls/file_filter.h"

namespace {

template <class Args>
FileDialogRequest Request(const Args &args, FileDialogKind kind, long flags)
{
    FileDialogRequest request;
    request.kind = kind;
    request.title = args.DlgTitle;
    request.initDir = args.InitDir;
    request.fileName = args.Filename;
    request.filter = ConvertFilter(args.Filter);
    request.filterIndex = args.FilterIndex;
    request.defaultExt = args.DefaultExt;
    request.flags = flags;
    return request;
}

template <class Args>
bool TakeCommon(Args &args, const FileDialogAnswer &answer)
{
    if (answer.result != 1) {
        args.Filename.clear();
        args.FileTitle.clear();
        args.Filter.clear();
        args.flags = 0;
        args.FilterIndex = -1;
        return false;
    }
    // Only the first part of a multiple selection fits the one-name output.
    const QString selection = SelectionText(answer.files);
    args.Filename = selection.left(selection.indexOf(QChar(u'\0')));
    args.FileTitle = QFileInfo(args.Filename).fileName();
    args.Filter = ChosenFilter(ConvertFilter(args.Filter), answer.filterIndex);
    args.FilterIndex = answer.filterIndex;
    args.flags = answer.flags;
    return true;
}

} // namespace

FileDialogRequest OpenFileRequest(const OpenFileArgs &args)
{
    return Request(args, FileDialogKind::Open,
                   OpenDialogFlags(args.FileMustExist, args.MultiSelect, args.ReadOnly, args.HideReadOnly,
                                   args.flags));
}

FileDialogRequest SaveFileRequest(const SaveFileArgs &args)
{
    return Request(args, FileDialogKind::Save, SaveDialogFlags(args.OverWritePrompt, args.flags));
}

bool TakeAnswer(OpenFileArgs &args, const FileDialogAnswer &answer)
{
    if (!TakeCommon(args, answer))
        return false;
    if (answer.flags & DialogFlag::ReadOnly)
        args.ReadOnly = true;
    return true;
}

bool TakeAnswer(SaveFileArgs &args, const FileDialogAnswer &answer)
{
    return TakeCommon(args, answer);
}
