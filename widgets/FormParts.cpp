#include "widgets/FormParts.h"

namespace FormParts {

QString pictureSheet(const char *type, const QString &normal, const QString &active, bool checkable)
{
    QString sheet = QString("%1{border-image: url(%2);}%1:hover{border-image: url(%3);}"
                            "%1:pressed{border-image: url(%3);}")
                        .arg(type, normal, active);
    if (checkable)
        sheet += QString("%1:checked{border-image: url(%2);}").arg(type, active);
    return sheet;
}

} // namespace FormParts
