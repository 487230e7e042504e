#pragma once

#include <QString>

class QIODevice;

// The playing time of a WAVE file in milliseconds, from its header: the bytes
// of its data chunk over the byte rate of its format chunk. 0 for anything that
// is not a whole PCM or float WAVE file (not RIFF/WAVE, a chunk missing, a
// nonsensical format, or data running past the end of the file), so that a
// damaged clip counts as silent rather than as a long one.
qint64 WavLengthMs(QIODevice &device);
qint64 WavFileLengthMs(const QString &path);
