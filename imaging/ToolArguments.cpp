#include "ToolArguments.h"

#include "core/Settings.h"

namespace ToolArguments {

namespace {
QString option(const char *name, int value)
{
    return QStringLiteral("--%1=%2").arg(QLatin1String(name)).arg(value);
}

QStringList resolutionAndFiles(int dpi, const QString &input, const QString &outputFolder)
{
    return {option("dpi", dpi), option("output-dpi", dpi), input, outputFolder};
}
} // namespace

Settings Settings::read()
{
    Settings settings;
    settings.autoContrast = ::Settings::readBool(SettingsKeys::AutoContrast, true);
    settings.autoDeskew = ::Settings::readBool(SettingsKeys::AutoDeskew, true);
    settings.autoCrop = ::Settings::readBool(SettingsKeys::AutoCrop, true);
    settings.insertAutoMargins = ::Settings::readBool(SettingsKeys::InsertAutoMargins, true);
    settings.marginLeft = ::Settings::readDouble(SettingsKeys::AutoMarginLeft, 0.2);
    settings.marginTop = ::Settings::readDouble(SettingsKeys::AutoMarginTop, 0.2);
    settings.marginRight = ::Settings::readDouble(SettingsKeys::AutoMarginRight, 0.2);
    settings.marginBottom = ::Settings::readDouble(SettingsKeys::AutoMarginBottom, 0.2);
    return settings;
}

int marginNumber(double margin)
{
    return static_cast<int>(margin / 0.2);
}

QStringList marginArguments(const Settings &settings)
{
    if (!settings.insertAutoMargins)
        return {QStringLiteral("--margins=0")};
    return {option("margins-left", marginNumber(settings.marginLeft)),
            option("margins-right", marginNumber(settings.marginRight)),
            option("margins-top", marginNumber(settings.marginTop)),
            option("margins-bottom", marginNumber(settings.marginBottom))};
}

QStringList autoCrop(const Settings &settings, bool blackAndWhite, int dpi, const QString &input,
                     const QString &outputFolder)
{
    QStringList arguments{QStringLiteral("-l=1")};
    if (!settings.autoDeskew)
        arguments << QStringLiteral("--deskew=manual");
    arguments << (blackAndWhite ? QStringLiteral("--color-mode=black_and_white")
                                : QStringLiteral("--color-mode=color_grayscale"));
    arguments << QStringLiteral("--white-margins");
    arguments << marginArguments(settings);
    if (settings.autoContrast)
        arguments << QStringLiteral("--normalize-illumination");
    return arguments + resolutionAndFiles(dpi, input, outputFolder);
}

QStringList processScanned(const Settings &settings, bool twoPages, bool blackAndWhite, int dpi,
                           const QString &input, const QString &outputFolder)
{
    QStringList arguments;
    if (twoPages)
        arguments << QStringLiteral("-l=2") << QStringLiteral("--orientation=left");
    else
        arguments << QStringLiteral("-l=1");
    if (!settings.autoDeskew)
        arguments << QStringLiteral("--deskew=manual");
    if (blackAndWhite) {
        arguments << QStringLiteral("--color-mode=black_and_white");
    } else {
        arguments << QStringLiteral("--color-mode=color_grayscale");
        if (settings.autoContrast)
            arguments << QStringLiteral("--normalize-illumination");
    }
    if ((settings.autoCrop || twoPages) && settings.autoContrast)
        arguments << QStringLiteral("--white-margins") << marginArguments(settings);
    return arguments + resolutionAndFiles(dpi, input, outputFolder);
}

QStringList splitSpread(const Settings &settings, const QString &pagePath, int dpi,
                        const QString &outputFolder)
{
    QStringList arguments{QStringLiteral("-l=2")};
    if (!settings.autoDeskew)
        arguments << QStringLiteral("--deskew=manual");
    if (pagePath.contains(QLatin1String(".tiff"))) {
        arguments << QStringLiteral("--color-mode=black_and_white");
    } else {
        arguments << QStringLiteral("--color-mode=color_grayscale");
        if (settings.autoContrast)
            arguments << QStringLiteral("--normalize-illumination");
    }
    if (settings.autoCrop)
        arguments << QStringLiteral("--white-margins") << marginArguments(settings);
    return arguments + resolutionAndFiles(dpi, pagePath, outputFolder);
}

} // namespace ToolArguments
