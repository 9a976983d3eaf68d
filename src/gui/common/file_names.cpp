#include "common/file_names.h"

#include <QFile>

namespace zem::gui {

std::filesystem::path FilePath(const QString& name) {
#ifdef _WIN32
    return std::filesystem::path(name.toStdWString());  // Windows names are UTF-16
#else
    return std::filesystem::path(QFile::encodeName(name).toStdString());  // the file system's bytes
#endif
}

QString FileNameText(const std::filesystem::path& path) {
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

}  // namespace zem::gui
