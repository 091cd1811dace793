#include "app/check_parameter_string.h"

namespace quorvex {
namespace {

QString upperCaseAsciiLetters(QString text) {
    for (QChar& c : text) {
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - u'a' + u'A');
    }
    return text;
}

}  // namespace

bool CheckParameterString(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (upperCaseAsciiLetters(argument) == u"QVXTEST") return true;
    }
    return false;
}

}  // namespace quorvex
