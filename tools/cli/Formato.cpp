#include "tools/cli/Formato.h"

#include "platform/FormatoNumero.h"

#include <QLocale>
#include <cmath>

std::string formatoSchema(double v, const std::string& schema) {
    if (!std::isfinite(v))
        return "-"; // a figure the rating did not reach
    return formatoNumero(v, QString::fromStdString(schema), QLocale::c()).toStdString();
}
