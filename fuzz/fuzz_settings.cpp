// The settings file as both readers take it; a file the options window reads
// is written back and must read again to the same values.

#include "fuzz/fuzz_support.h"
#include "parental/settings_file.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    StartFuzzing();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = ScratchFolder() + QStringLiteral("/Settings.ini");
    WriteFuzzFile(path, QByteArrayView(data, qsizetype(size)));

    MainWindowSettings settings;
    if (ReadMainWindowSettings(path, settings))
        FUZZ_CHECK(settings.BubbleSpeed >= 1);

    OptionsValues values;
    if (!ReadOptionsValues(path, values))
        return 0;
    for (const int box : {values.playSounds, values.quitWithoutPermission, values.autoHide, values.useParentalPassword})
        FUZZ_CHECK(box >= 0 && box <= 2);
    FUZZ_CHECK(values.speed == kSpeedFast || values.speed == kSpeedMedium || values.speed == kSpeedSlow);

    FUZZ_CHECK(WriteSettingsFile(path, values).ok());
    OptionsValues again;
    FUZZ_CHECK(ReadOptionsValues(path, again));
    FUZZ_CHECK(SettingsLines(again) == SettingsLines(values));
    MainWindowSettings written;
    FUZZ_CHECK(ReadMainWindowSettings(path, written));
    FUZZ_CHECK(written.BubbleSpeed == float(values.speed));
    FUZZ_CHECK(written.Parental_Password == values.password && written.Parental_Password_Hint == values.hint);
    return 0;
}
