// Saving a page as JPEG against TurboJPEG's own compression of the same pixels:
// what SaveJpegFile adds on top of the encoder (its handle, the atomic file
// replacement) should stay small.

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <turbojpeg.h>

// The sync's own price is measured with the POSIX calls QSaveFile makes there.
#if defined(__unix__) || defined(__APPLE__)
#define VELMORA_POSIX_SYNC 1
#include <fcntl.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include "bench/budget_report.h"
#include "bench/generated_pictures.h"
#include "core/file_replace.h"
#include "image/dib_section.h"
#include "image/turbojpeg_writer.h"

namespace {

constexpr int kQuality = 90;
const QSize kSizes[] = {QSize(1024, 768), QSize(2400, 1800)};

std::string SizeName(QSize size)
{
    return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

std::shared_ptr<const cDIBSection> DibOf(QSize size)
{
    auto dib = std::make_shared<cDIBSection>();
    dib->CreateFromPicture(MakeColouredPage(size));
    return dib;
}

// The encoder exactly as SaveJpegFile calls it, on the same buffer.
QByteArray Compress(tjhandle encoder, const cDIBSection &dib)
{
    unsigned char *jpeg = nullptr;
    unsigned long jpegSize = 0;
    const int status = tjCompress2(encoder, dib.DIBSectionBitsPtr(), dib.Width(), dib.BytesPerScanLine(),
                                   dib.Height(), TJPF_BGR, &jpeg, &jpegSize, TJSAMP_420, kQuality, TJFLAG_BOTTOMUP);
    QByteArray bytes = status == 0 ? QByteArray(reinterpret_cast<const char *>(jpeg), qsizetype(jpegSize)) : QByteArray();
    tjFree(jpeg);
    return bytes;
}

void BM_SaveJpegFile(benchmark::State &state, std::shared_ptr<const cDIBSection> dib, QString fileName)
{
    try {
        SaveJpegFile(*dib, fileName, kQuality); // the page has been saved before: this replaces it
        for (auto _ : state)
            SaveJpegFile(*dib, fileName, kQuality);
    } catch (const JpegWriterError &error) {
        state.SkipWithError(error.what());
        return;
    }
    state.counters["jpeg_KiB"] = double(QFile(fileName).size()) / 1024;
}

void BM_TjCompress2(benchmark::State &state, std::shared_ptr<const cDIBSection> dib)
{
    const std::unique_ptr<void, int (*)(tjhandle)> encoder(tjInitCompress(), tjDestroy);
    unsigned long jpegSize = 0;
    for (auto _ : state) {
        unsigned char *jpeg = nullptr; // tjCompress2 allocates it
        jpegSize = 0;
        const int status = tjCompress2(encoder.get(), dib->DIBSectionBitsPtr(), dib->Width(), dib->BytesPerScanLine(),
                                       dib->Height(), TJPF_BGR, &jpeg, &jpegSize, TJSAMP_420, kQuality,
                                       TJFLAG_BOTTOMUP);
        tjFree(jpeg);
        if (status != 0) {
            state.SkipWithError(tjGetErrorStr2(encoder.get()));
            return;
        }
    }
    state.counters["jpeg_KiB"] = double(jpegSize) / 1024;
}

// The encoder as it runs inside a save: after the previous save's wait for the
// disk. A thread that has slept in fdatasync comes back to cold caches (and,
// in a virtual machine, perhaps to a core that has been busy elsewhere), so
// this is slower than back-to-back compression; a save a child triggers after
// minutes of colouring starts cold the same way. The wait is outside the timing.
void BM_TjCompress2AfterSync(benchmark::State &state, std::shared_ptr<const cDIBSection> dib, QByteArray jpeg,
                             QString fileName)
{
    const std::unique_ptr<void, int (*)(tjhandle)> encoder(tjInitCompress(), tjDestroy);
    QFile previous(fileName);
    if (!previous.open(QIODevice::WriteOnly)) {
        state.SkipWithError("could not write the file");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        previous.seek(0);
        previous.write(jpeg);
        previous.flush();
        ::fdatasync(previous.handle());
        state.ResumeTiming();
        unsigned char *compressed = nullptr;
        unsigned long compressedSize = 0;
        const int status = tjCompress2(encoder.get(), dib->DIBSectionBitsPtr(), dib->Width(), dib->BytesPerScanLine(),
                                       dib->Height(), TJPF_BGR, &compressed, &compressedSize, TJSAMP_420, kQuality,
                                       TJFLAG_BOTTOMUP);
        tjFree(compressed);
        if (status != 0) {
            state.SkipWithError(tjGetErrorStr2(encoder.get()));
            return;
        }
    }
}

#ifdef VELMORA_POSIX_SYNC
// The wait QSaveFile::commit adds: fdatasync of a freshly written file of the
// JPEG's size, the writing itself outside the timing. With an idle pause before
// each round (also outside the timing), as between a child's saves, the disk
// answers more slowly than when it is kept busy back to back.
void BM_Fdatasync(benchmark::State &state, QByteArray jpeg, QString fileName, int idleMilliseconds)
{
    const QByteArray path = QFile::encodeName(fileName);
    for (auto _ : state) {
        state.PauseTiming();
        if (idleMilliseconds > 0)
            ::usleep(useconds_t(idleMilliseconds) * 1000);
        const int file = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (file < 0 || ::write(file, jpeg.constData(), size_t(jpeg.size())) != jpeg.size()) {
            state.SkipWithError("could not write the file");
            if (file >= 0)
                ::close(file);
            return;
        }
        state.ResumeTiming();
        ::fdatasync(file);
        state.PauseTiming();
        ::close(file);
        state.ResumeTiming();
    }
}
#endif

// The encoder handle SaveJpegFile makes and destroys on every save.
void BM_TurboJpegHandle(benchmark::State &state)
{
    for (auto _ : state) {
        tjhandle encoder = tjInitCompress();
        benchmark::DoNotOptimize(encoder);
        tjDestroy(encoder);
    }
}

// The file half of SaveJpegFile: the finished JPEG replacing the previous save.
void BM_ReplaceFileContents(benchmark::State &state, QByteArray jpeg, QString fileName)
{
    if (!ReplaceFileContents(fileName, jpeg, KeepFileTimes::Yes).ok()) {
        state.SkipWithError("could not write the file");
        return;
    }
    for (auto _ : state) {
        const FileReplaceResult result = ReplaceFileContents(fileName, jpeg, KeepFileTimes::Yes);
        benchmark::DoNotOptimize(result);
    }
}

// The same replacement without the sync: write a temporary file and rename it
// over the target. Only here to price the sync. Saves come seconds apart, so
// each round starts with the previous file on disk (synced outside the timing)
// rather than still being written out.
void BM_WriteRenameNoSync(benchmark::State &state, QByteArray jpeg, QString fileName)
{
    const QByteArray target = QFile::encodeName(fileName);
    const QByteArray temporary = target + ".new";
    for (auto _ : state) {
        QFile file(QString::fromLocal8Bit(temporary));
        if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size()) {
            state.SkipWithError("could not write the file");
            return;
        }
        file.close();
        if (std::rename(temporary.constData(), target.constData()) != 0) {
            state.SkipWithError("could not rename the file");
            return;
        }
#ifdef VELMORA_POSIX_SYNC
        state.PauseTiming();
        const int written = ::open(target.constData(), O_RDONLY | O_CLOEXEC);
        if (written >= 0) {
            ::fdatasync(written);
            ::close(written);
        }
        state.ResumeTiming();
#endif
    }
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir folder; // under $TMPDIR: point it at the disk the pages are saved on
    if (!folder.isValid()) {
        std::cerr << "No temporary folder: " << folder.errorString().toStdString() << '\n';
        return 2;
    }
    std::cout << "Writing into " << QDir::toNativeSeparators(folder.path()).toStdString() << '\n';

    using benchmark::kMillisecond;
    benchmark::RegisterBenchmark("TurboJpegHandle", BM_TurboJpegHandle)->Unit(benchmark::kMicrosecond)->UseRealTime();
    std::vector<Budget> budgets;
    for (QSize size : kSizes) {
        const std::string name = SizeName(size);
        const QString prefix = folder.filePath(QString::fromStdString(name));
        const std::shared_ptr<const cDIBSection> dib = DibOf(size);
        const std::unique_ptr<void, int (*)(tjhandle)> encoder(tjInitCompress(), tjDestroy);
        const QByteArray jpeg = Compress(encoder.get(), *dib);

        // Wall time throughout: a save waits for the disk without using the CPU,
        // and the ratio must compare like with like.
        benchmark::RegisterBenchmark(("tjCompress2/" + name).c_str(), BM_TjCompress2, dib)
            ->Unit(kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark(("tjCompress2AfterSync/" + name).c_str(), BM_TjCompress2AfterSync, dib, jpeg,
                                     prefix + "-previous.jpg")
            ->Unit(kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark(("SaveJpegFile/" + name).c_str(), BM_SaveJpegFile, dib, prefix + "-save.jpg")
            ->Unit(kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark(("ReplaceFileContents/" + name).c_str(), BM_ReplaceFileContents, jpeg,
                                     prefix + "-replace.jpg")
            ->Unit(kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark(("WriteRenameNoSync/" + name).c_str(), BM_WriteRenameNoSync, jpeg,
                                     prefix + "-nosync.jpg")
            ->Unit(kMillisecond)->UseRealTime();
#ifdef VELMORA_POSIX_SYNC
        benchmark::RegisterBenchmark(("Fdatasync/" + name).c_str(), BM_Fdatasync, jpeg, prefix + "-sync.jpg", 0)
            ->Unit(kMillisecond)->UseRealTime();
        // A fixed count: the idle pauses do not count towards the minimum time.
        benchmark::RegisterBenchmark(("FdatasyncAfterIdle/" + name).c_str(), BM_Fdatasync, jpeg, prefix + "-idle.jpg",
                                     10)
            ->Unit(kMillisecond)->UseRealTime()->Iterations(50);
#endif

        budgets.push_back({"SaveJpegFile / tjCompress2 " + name, "SaveJpegFile/" + name, "tjCompress2/" + name, 1.2,
                           BudgetClock::Real});
    }

    return RunBenchmarksWithBudgets(argc, argv, budgets, [](const BudgetReporter &reporter) {
        for (QSize size : kSizes) {
            const std::string name = SizeName(size);
            const auto save = reporter.Milliseconds("SaveJpegFile/" + name, BudgetClock::Real);
            const auto compress = reporter.Milliseconds("tjCompress2/" + name, BudgetClock::Real);
            const auto coldCompress = reporter.Milliseconds("tjCompress2AfterSync/" + name, BudgetClock::Real);
            const auto replace = reporter.Milliseconds("ReplaceFileContents/" + name, BudgetClock::Real);
            const auto noSync = reporter.Milliseconds("WriteRenameNoSync/" + name, BudgetClock::Real);
            const auto sync = reporter.Milliseconds("Fdatasync/" + name, BudgetClock::Real);
            const auto idleSync = reporter.Milliseconds("FdatasyncAfterIdle/" + name, BudgetClock::Real);
            if (save && compress && coldCompress && replace && noSync && sync && idleSync) {
                std::cout << "  " << name << ": save " << FormatMilliseconds(*save) << " ms ~ compress after a disk wait "
                          << FormatMilliseconds(*coldCompress) << " ms (back-to-back " << FormatMilliseconds(*compress)
                          << " ms) + file replacement " << FormatMilliseconds(*replace) << " ms (without the sync "
                          << FormatMilliseconds(*noSync) << " ms; the sync alone " << FormatMilliseconds(*sync)
                          << " ms, after an idle pause " << FormatMilliseconds(*idleSync) << " ms)\n";
            }
            const auto saveCpu = reporter.Milliseconds("SaveJpegFile/" + name, BudgetClock::Cpu);
            const auto compressCpu = reporter.Milliseconds("tjCompress2/" + name, BudgetClock::Cpu);
            if (saveCpu && compressCpu && *compressCpu > 0) {
                char ratio[32];
                std::snprintf(ratio, sizeof ratio, "%.2f", *saveCpu / *compressCpu);
                std::cout << "  " << name << " on CPU time (no waiting for the disk): " << ratio << " x ("
                          << FormatMilliseconds(*saveCpu) << " ms / " << FormatMilliseconds(*compressCpu) << " ms)\n";
            }
        }
    });
}
