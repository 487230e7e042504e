// The picture leaving the program at a grown-up's request: saved as a JPEG
// file of their choosing, or printed.
#include "windows/main/frm_main.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "windows/colouring/canvas_view.h"
#include "canvas/picture_export.h"
#include "controls/common_dialog.h"
#include "image/turbojpeg_writer.h"
#include "windows/parental/frm_message.h"
#include "windows/parental/frm_parent_message.h"

namespace {

constexpr int kJpegQuality = 90;

QString AskJpegFileNameWithDialog(QWidget *owner)
{
    SaveFileArgs args;
    args.Owner = owner; // kept above the full-screen window
    args.DlgTitle = QStringLiteral("Save current picture as...");
    args.Filter = QStringLiteral("Jpeg file (*.jpg)|*.jpg");
    args.FilterIndex = 1;
    args.OverWritePrompt = true;
    return GCommonDialog().VBGetSaveFileName(args) ? args.Filename : QString();
}

bool AskPrinterWithDialog(QPrinter &printer, QWidget *owner)
{
    QPrintDialog dialog(&printer, owner);
    // Printing to a file stays offered where no printer is installed, so that
    // a page can still be kept as a PDF.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, QPrinterInfo::availablePrinters().isEmpty());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

bool FrmMain::SavePictureAs()
{
    setEnabled(false);
    const auto ask = m_services.askJpegFileName ? m_services.askJpegFileName : AskJpegFileNameWithDialog;
    const QString chosen = ask(this);
    bool saved = chosen.isEmpty();
    if (!chosen.isEmpty()) {
        const QString error = SavePictureAsJpeg(m_document.Engine().CanvasImage(), WithJpegExtension(chosen), kJpegQuality);
        if (!error.isEmpty())
            qWarning("velmora: %s", qPrintable(error));
        saved = error.isEmpty();
        if (!saved)
            ShowParentMessage(this, QStringLiteral(
                "Unfortunately, because of an unknown error, the picture could not be saved. Please make sure that "
                "the disk is not write protected and that you have enough disk space to save the picture."));
    }
    Timer1.start();
    setEnabled(true);
    return saved && !chosen.isEmpty();
}

void FrmMain::PrintPicture()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter &printer = *m_printer;
    const auto ask = m_services.askPrinter ? m_services.askPrinter : AskPrinterWithDialog;
    if (!ask(printer, this)) {
        Timer1.start(); // cancelled: nothing to tell
        return;
    }
    // One painted page per copy, whatever the driver would do with copies.
    const int copies = std::max(1, printer.copyCount());
    printer.setCopyCount(1);
    const QImage picture = m_document.Engine().CanvasImage();
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect placed = FitOnPage(page.size(), picture.size());
    QPainter painter;
    bool printed = !picture.isNull() && painter.begin(&printer);
    for (int copy = 1; printed && copy <= copies; ++copy) {
        painter.drawImage(placed, picture);
        if (copy < copies)
            printed = printer.newPage();
    }
    if (painter.isActive())
        printed = painter.end() && printed;
    if (!printed)
        ShowPictureError(PrintFileFailed);
    Timer1.start();
}
