#include "library/book_loader.h"

#include <QEventLoop>
#include <QFutureWatcher>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include "library/book_plan.h"
#include "library/thumbnail_file.h"

namespace {

struct CellThumbnail {
    QImage face;
    QString error;
};

// The first of the paths whose thumbnail can be had: a coloured version that
// no longer reads gives way to its picture, as it does when the picture opens.
CellThumbnail ThumbnailForCell(const QStringList &paths)
{
    ThumbnailResult thumbnail;
    for (const QString &path : paths) {
        thumbnail = EnsureThumbnail(path);
        if (thumbnail.ok())
            return {CellFace(thumbnail.image), QString()};
        qWarning("velmora: %s", qPrintable(thumbnail.error));
    }
    return {QImage(), thumbnail.error};
}

// Waits for result `index` while the windows keep repainting.
void WaitForResult(QFutureWatcher<CellThumbnail> &watcher, int index)
{
    if (watcher.future().isResultReadyAt(index))
        return;
    QEventLoop loop;
    const auto check = [&] {
        if (watcher.future().isResultReadyAt(index) || watcher.isFinished())
            loop.quit();
    };
    QObject::connect(&watcher, &QFutureWatcherBase::resultReadyAt, &loop, check);
    QObject::connect(&watcher, &QFutureWatcherBase::finished, &loop, check);
    check();
    if (!watcher.future().isResultReadyAt(index) && !watcher.isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

QImage CellFace(const QImage &thumbnail)
{
    return thumbnail.scaled(kCellFaceSide, kCellFaceSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

LoadedSheet LoadBooks(const QString &programFolder, int sheetWidth, const BookLoadHooks &hooks)
{
    LoadedSheet sheet;
    const LibraryPlan plan = PlanBooks(programFolder);
    if (!plan.ok()) {
        sheet.error = plan.error;
        return sheet;
    }

    QList<QStringList> sources;
    for (const BookToLoad &book : plan.books) {
        for (qsizetype i = 0; i < book.pictures.size(); ++i) {
            const QString picture = book.folder + QLatin1Char('/') + book.pictures[i];
            sources << (book.thumbnailFrom[i] == picture ? QStringList{picture}
                                                         : QStringList{book.thumbnailFrom[i], picture});
        }
    }

    // Every thumbnail is asked for at once; the cells are placed in order as
    // their results come in, so the progress line follows the books.
    QThreadPool pool;
    if (hooks.threads > 0)
        pool.setMaxThreadCount(hooks.threads);
    QFutureWatcher<CellThumbnail> watcher;
    watcher.setFuture(QtConcurrent::mapped(&pool, sources, ThumbnailForCell));

    SheetLayout layout(sheetWidth);
    int next = 0;
    for (const BookToLoad &book : plan.books) {
        if (hooks.progress)
            hooks.progress(LoadingLine(book.percent, book.title));
        if (book.pictures.isEmpty())
            continue;
        layout.BeginBook();
        for (const QString &name : book.pictures) {
            WaitForResult(watcher, next);
            const CellThumbnail result = watcher.future().resultAt(next++);
            if (!result.error.isEmpty()) {
                watcher.future().cancel();
                watcher.waitForFinished();
                return LoadedSheet{.error = result.error};
            }
            sheet.cells << layout.Place(name, book.folder);
            sheet.faces << result.face;
            sheet.framed << book.framed;
        }
        layout.EndBook();
    }
    sheet.height = layout.SheetHeight();
    if (sheet.count() == 0)
        sheet.error = QStringLiteral("The library holds no picture.");
    return sheet;
}
