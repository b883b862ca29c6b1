#include "ArchiveWriter.h"
ArchiveWriter::Summary ArchiveWriter::Pack(const QString&, const QString&, const Progress&) { return {}; }
