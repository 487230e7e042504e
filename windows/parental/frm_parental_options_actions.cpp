// The options window's reading, writing and links.
#include "windows/parental/frm_parental_options.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>

#include "core/case_insensitive_path.h"
#include "core/windows1252.h"
#include "windows/parental/frm_parent_message.h"

namespace {

// Check-box values as the file keeps them: 0 clear, 1 ticked, 2 greyed.
int FileValueOf(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    case Qt::Unchecked: break;
    }
    return 0;
}

void ShowFileValue(QCheckBox *box, int value)
{
    box->setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

constexpr int kSpeeds[3] = {kSpeedFast, kSpeedMedium, kSpeedSlow};


} // namespace

void frmParentalOptions::Load()
{
    Check3_Click();
    m_saved = false;
    OptionsValues values = ValuesShown(); // the design values, for whatever the file does not give
    const bool readable = ReadOptionsValues(SettingsFilePath(m_programFolder), values);
    ShowValues(values);
    m_cancelQuits = !readable;
    if (readable)
        m_savedAutoHide = FileValueOf(m_autoHide);
}

int frmParentalOptions::exec()
{
    if (m_cancelQuits) {
        ShowParentMessage(parentWidget(),
                          QStringLiteral("There was an error when trying to open the settings file. This may be "
                                         "because you are running Velmora for the first time.\r\n\r\nYou can attempt "
                                         "to create a new settings file by completing the next window and clicking "
                                         "OK. If that does not work, reinstalling the application may fix the "
                                         "problem."));
    }
    return QDialog::exec();
}

void frmParentalOptions::ShowValues(const OptionsValues &values)
{
    ShowFileValue(m_playSounds, values.playSounds);
    ShowFileValue(m_quitWithoutPermission, values.quitWithoutPermission);
    ShowFileValue(m_autoHide, values.autoHide);
    ShowFileValue(m_usePassword, values.useParentalPassword);
    for (int i = 0; i < 3; ++i) {
        if (values.speed == kSpeeds[i])
            m_speed[i]->setChecked(true);
    }
    m_password->setText(values.password);
    m_hint->setText(values.hint);
}

OptionsValues frmParentalOptions::ValuesShown() const
{
    OptionsValues values;
    values.playSounds = FileValueOf(m_playSounds);
    values.quitWithoutPermission = FileValueOf(m_quitWithoutPermission);
    values.autoHide = FileValueOf(m_autoHide);
    values.useParentalPassword = FileValueOf(m_usePassword);
    values.speed = 0;
    for (int i = 0; i < 3; ++i) {
        if (m_speed[i]->isChecked())
            values.speed = kSpeeds[i];
    }
    values.password = m_password->text();
    values.hint = m_hint->text();
    return values;
}

void frmParentalOptions::cFunc_Click(int index)
{
    switch (index) {
    case 0:
        reject();
        break;
    case 1:
        Continue();
        break;
    case 2:
        if (QFileInfo(FindIgnoringCase(m_programFolder, QStringLiteral("colored pictures"))).isDir()) {
            if (openColoredPictures)
                openColoredPictures();
        } else {
            ShowParentMessage(this, QStringLiteral("There are currently no colored pictures to browse. You can only "
                                                   "access this window after at least one picture has been colored."));
        }
        break;
    case 3:
        if (QFileInfo(FindIgnoringCase(m_programFolder, QStringLiteral("books"))).isDir()) {
            if (openManagePictures)
                openManagePictures();
        } else {
            ShowParentMessage(this, QStringLiteral("Could not find the books path. Please reinstall Velmora!"));
        }
        break;
    default:
        break;
    }
}

void frmParentalOptions::reject()
{
    // Opened because the settings could not be read, there is nothing to go back to.
    m_quitRequested = m_cancelQuits;
    QDialog::reject();
}

void frmParentalOptions::Continue()
{
    if (m_usePassword->checkState() == Qt::Checked) {
        if (m_password->text().isEmpty()) {
            ShowParentMessage(this, QStringLiteral("You must enter a password in order to continue."));
            m_password->setFocus();
            return;
        }
        if (m_hint->text().isEmpty()) {
            ShowParentMessage(this, QStringLiteral("You must enter a password hint incase you forget your password."));
            m_hint->setFocus();
            return;
        }
    }
    // The file holds Windows-1252 text: any other character would come back as
    // "?", and the grown-up's own password would be refused from then on.
    for (QLineEdit *box : {m_password, m_hint}) {
        const QString unkept = Windows1252Lacks(box->text()).join(QStringLiteral(", "));
        if (unkept.isEmpty())
            continue;
        ShowParentMessage(this, QStringLiteral("The %1 contains characters that Velmora cannot keep:\r\n%2\r\n\r\n"
                                               "Please choose one without them. Letters of Western European "
                                               "languages, numbers and the usual signs can be kept.")
                                    .arg(box == m_password ? QStringLiteral("password") : QStringLiteral("password hint"),
                                         unkept));
        box->setFocus();
        return;
    }
    const FileReplaceResult written = WriteSettingsFile(SettingsFilePath(m_programFolder), ValuesShown());
    if (!written.ok()) {
        ShowParentMessage(this, QStringLiteral("There was an error while trying to save the settings.\r\n\r\nMake sure "
                                               "the disk is not write protected and there is enough space."));
        return;
    }
    if (m_autoHide->checkState() == Qt::Checked && m_savedAutoHide == 0) {
        ShowParentMessage(this, QStringLiteral("You have chosen to auto-hide the parental buttons (small buttons on "
                                               "the top-left corner of the screen). If you need to access them, you "
                                               "should place the mouse pointer over that area for one second."));
    }
    m_saved = true;
    accept();
}
