#include "surface/rtf_reader.h"
#include <QByteArray>
#include <QString>
#include <QTextDocument>
namespace zige {
bool readRtf(const QByteArray&, QTextDocument&) { return false; }
bool loadRichTextFile(const QString&, QTextDocument&) { return false; }
}
