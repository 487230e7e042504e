#pragma once

#include <QDir>
#include <QImage>

// Each writes one folder of pictures under the resources folder and says what
// it made; false when a picture could not be written.
bool WriteBrushTextures(const QDir &resources);
bool WritePalettePictures(const QDir &resources);
bool WriteShadePictures(const QDir &resources);

// Writes a picture as folder/<number>.png, creating the folder; one drawn
// `times` as large as folder/<number>@2x.png and so on.
bool SaveNumbered(const QImage &picture, const QDir &resources, const QString &folder, int number, int times = 1);
