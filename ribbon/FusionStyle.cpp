#include "FusionStyle.h"

#include <QCoreApplication>
#include <QStyle>
#include <QStyleFactory>

namespace FusionStyle {

QStyle *shared()
{
    const QString name = QStringLiteral("VellumoFusionStyle");
    QCoreApplication *app = QCoreApplication::instance();
    if (auto *style = app->findChild<QStyle *>(name, Qt::FindDirectChildrenOnly))
        return style;
    QStyle *style = QStyleFactory::create(QStringLiteral("Fusion"));
    style->setObjectName(name);
    style->setParent(app);
    return style;
}

} // namespace FusionStyle
