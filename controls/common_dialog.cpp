#include "controls/common_dialog.h"

#include "controls/file_chooser.h"

GCommonDialog::GCommonDialog(FileChooser *chooser)
    : m_chooser(chooser ? chooser : &DefaultFileChooser())
{
}

bool GCommonDialog::VBGetOpenFileName(OpenFileArgs &args)
{
    return TakeAnswer(args, Show(args.Owner, OpenFileRequest(args)));
}

bool GCommonDialog::VBGetSaveFileName(SaveFileArgs &args)
{
    return TakeAnswer(args, Show(args.Owner, SaveFileRequest(args)));
}

FileDialogAnswer GCommonDialog::Show(QWidget *owner, const FileDialogRequest &request)
{
    const FileDialogAnswer answer = m_chooser->Choose(owner, request);
    m_apiReturn = answer.result;
    // A cancel keeps the last failure's code, as the platform's did.
    if (answer.result != 0 && answer.result != 1)
        m_extendedError = answer.extendedError;
    return answer;
}
