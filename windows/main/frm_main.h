#pragma once

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

#include "canvas/background_saver.h"
#include "canvas/colouring_document.h"
#include "canvas/colouring_tools.h"
#include "canvas/corner_watch.h"
#include "controls/ani_cursor.h"
#include "parental/settings_file.h"

class CanvasView;
class frmOpen;
class frmParentalOptions;
class ColourFrameView;
class PaletteBox;
class QPrinter;
class pButton;
class SoundEffects;
class SystemSession;

// What the colouring window is given for its run.
struct MainWindowServices {
    QString programFolder;
    SystemSession *session = nullptr;
    SoundEffects *sounds = nullptr;
    bool windowed = false; // an ordinary window instead of full screen (development)
    // The file name for "Save picture as..." ("" when cancelled); null: the save dialog.
    std::function<QString(QWidget *owner)> askJpegFileName;
    // Lets the grown-up choose the printer and copies; null: the print dialog.
    std::function<bool(QPrinter &printer, QWidget *owner)> askPrinter;
};

// The colouring window: the program's one long-lived window, over the whole
// screen. Form_Load brings it up (and runs again after the settings changed);
// Form_Unload puts back what the run changed.
class FrmMain : public QWidget {
    Q_OBJECT

public:
    explicit FrmMain(MainWindowServices services, QWidget *parent = nullptr);
    ~FrmMain() override;

    // The start-up pass; false when the program is to end (the display is
    // refused, the grown-up declined, or no settings could be had).
    bool Form_Load();
    void Form_Unload();

    // The click on grown-ups' button `index` (0 quit, 1 save, 2 print, 3 about, 4 settings).
    void pFunc_Click(int index);
    // The quit button's gate, its texts and password rule; ends the run when
    // the grown-up confirms. Close requests from outside come here too.
    void QuitCommand();
    // The session is ending (logout, shutdown, a signal): keeps the colouring,
    // puts the system back and lets every window go, asking no one.
    void EndSession();
    // True once the run has ended, however it ended.
    bool Ended() const { return m_unloaded; }
    // The release on tool button `index` (0 crayon, 1 paintbrush, 2 pencil).
    void pTool_MouseUp(int index);
    // The window timer's tick: the palette moves and the corner is watched.
    void Timer1_Timer();
    // Makes `colour` (red + 256 x green + 65536 x blue) the colour of every stroke.
    void SetColour(qint32 colour);
    // Puts a picture on the canvas to colour, with its earlier colouring when
    // there is one, ready for every tool; false when the file cannot be read.
    bool OpenPictureFile(const QString &fileName);
    // The open button: saves the colouring, shows the picture browser (loading
    // the library behind the splash window the first time) and opens the
    // picture the child chose. Start-up ends with it too.
    void OpenCommand();
    // The clear button: after a confirmation, saves, then takes every colour off.
    void ClearCommand();
    // Writes the colouring of the open picture, unless the file already holds it,
    // after a save in the background has finished.
    void SaveColouredPicture();
    // What went wrong with a picture, as the message tells it.
    enum PictureErrorKind { DamagedPicture = 0, PrintFileFailed = 2 };
    // Tells the child and the grown-ups that a picture could not be opened
    // (path: the picture) or printed (path unused); the palette stands still.
    void ShowPictureError(PictureErrorKind kind, const QString &path = {});
    // A notice with OK alone; the palette stands still while it shows.
    void ShowNoticeOverColouring(const QString &childText, const QString &parentText);
    // The picture being coloured: its files, its strokes and whether it is saved.
    ColouringDocument &Document() { return m_document; }
    const ColouringDocument &Document() const { return m_document; }
    // The open picture's line art; empty while none is open.
    const QString &CurrentPicture() const { return m_document.Path(); }
    // The browser while it is loaded (hidden between uses); null otherwise.
    frmOpen *Browser() const { return m_browser.get(); }

    const QString &programFolder() const { return m_services.programFolder; }

    // Public state the start-up passes, the function buttons and the tests read.
    int Tool = 0;
    // The settings file's values, owned here alone; every window and gate reads
    // them through this value when it acts.
    MainWindowSettings Settings;
    bool Loaded = false;
    bool Play_Sound() const;

    // How far strokes vary the current colour (normal colours).
    int ColourJitterRange = 10;
    // The right edge of the function buttons' row: the corner that calls them up.
    int CornerWidth = 0;
    bool FontSmoothingWasOn = false;

    // Controls, for the windows and tests that drive them.
    std::array<pButton *, 4> c{};
    std::array<pButton *, kToolCount> pTool{};
    std::array<pButton *, 5> pFunc{};
    QWidget *pT = nullptr;         // tool strip
    ColourFrameView *PB = nullptr; // colour frame around the canvas
    CanvasView *P = nullptr;       // the canvas
    PaletteBox *Pc = nullptr;      // palette box
    QTimer Timer1;
    QTimer tMusic;

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void CreateControls();
    bool CheckDisplay();
    bool ReadSettings();
    void LoadButtonFaces();
    void LayOut();
    void ShowOverScreen();
    void ReleaseRun();
    void ConnectFunctionButtons();
    void ConnectColouring();
    void OpenColourPicker();
    void PlaceCanvas();
    // The colouring changed: saved in the background soon, never mid-stroke.
    void ConnectBackgroundSaves();
    void SaveSoon();
    void SaveInBackground();
    void OnBackgroundSaveFinished(const QString &picturePath, quint64 version, const DocumentSaveResult &result);
    void TellSaveFailed(const QString &picturePath, const QString &error);
    // Shows the child-facing gate; true when the grown-up pressed OK.
    bool Prompt(const char *parentText, const char *childText, bool passwordRequired);
    // False when the library could not be loaded (the run has then ended).
    bool AskPictureBrowser(QString &chosen);
    void PlayClick();
    // The grown-ups' functions behind their gates.
    bool SavePictureAs(); // true when a file was written
    void PrintPicture();
    void ChangeSettings();
    // The library's management windows; true when the library changed.
    bool ShowManagePictures(QWidget *owner);
    void ShowColouredPictures(QWidget *owner);
    void ConnectLibraryWindows(frmParentalOptions &options);

    std::unique_ptr<frmOpen> m_browser;
    // Kept between prints, so the printer, paper and orientation chosen carry over.
    std::unique_ptr<QPrinter> m_printer;
    MainWindowServices m_services;
    ColouringDocument m_document;
    // Saves the colouring soon after a change, at the end of a stroke, on a
    // thread of its own; declared after the document, so it goes first.
    BackgroundSaver m_saver;
    QTimer m_saveTimer;
    bool m_saveAfterStroke = false; // the delay ran out during a stroke
    bool m_namedSaveRunning = false;     // a save of its own tells its failure itself
    bool m_backgroundFailureTold = false; // until a save succeeds again
    cAniCursor m_canvasCursor;
    CornerWatch m_corner;
    bool m_unloaded = false;
    bool m_quitAsked = false; // a close request's gate is on its way or showing
    bool m_libraryManagedFromBrowser = false; // "more pictures" led to the management window
};
