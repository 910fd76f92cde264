#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace tessaly {

// Files hold text in the system's 8-bit encoding; the windows convert at their edge.
inline QString toText(std::string_view bytes) {
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
inline std::string toBytes(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

} // namespace tessaly
