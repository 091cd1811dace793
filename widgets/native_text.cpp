#include "widgets/native_text.h"

namespace quorvex {

std::string toNative8Bit(const QString& text) { return text.toLocal8Bit().toStdString(); }

QString fromNative8Bit(std::string_view text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace quorvex
