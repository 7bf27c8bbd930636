#include "OptionsPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/ProgramInfo.h"
#include "core/Settings.h"

namespace {

struct Language
{
    const char *name; // in English whatever the interface language, as in the list
    const char *code;
};

constexpr Language Languages[] = {
    {"English", "en"}, {"German", "de"},  {"French", "fr"}, {"Italian", "it"},
    {"Spanish", "es"}, {"Polish", "pl"},  {"Czech", "cs"},  {"Hungarian", "hu"},
    {"Russian", "ru"}, {"Turkish", "tr"}, {"Arabic", "ar"}, {"Finnish", "fi"},
};

} // namespace

OptionsPage::OptionsPage(QWidget *parent)
    : PropertyPage(QStringLiteral("CommonPage"), parent)
    , m_languageLabel(new QLabel(this))
    , m_languages(new QComboBox(this))
    , m_autoUpdate(new QCheckBox(this))
    , m_translateLink(new QLabel(this))
{
    for (const Language &language : Languages) {
        const QString code = QLatin1StringView(language.code);
        m_languages->addItem(QIcon(QStringLiteral(":/flags/") + code),
                             QLatin1StringView(language.name), code);
    }
    m_languageLabel->setBuddy(m_languages);
    m_translateLink->setTextFormat(Qt::RichText);
    m_translateLink->setOpenExternalLinks(true);

    auto *language = new QHBoxLayout;
    language->addWidget(m_languageLabel);
    language->addWidget(m_languages, 1);
    controls()->addLayout(language);
    controls()->addWidget(m_autoUpdate);
    controls()->addWidget(m_translateLink);
    connect(m_languages, &QComboBox::currentIndexChanged, this, &OptionsPage::langChanged);
    retranslateUi();
}

QStringList OptionsPage::languageCodes()
{
    QStringList codes;
    for (const Language &language : Languages)
        codes << QLatin1StringView(language.code);
    return codes;
}

void OptionsPage::load()
{
    // Showing the stored language must not switch to it again.
    const QSignalBlocker blocker(m_languages);
    const int index =
        m_languages->findData(Settings::readString(SettingsKeys::Language, QStringLiteral("en")));
    if (index >= 0)
        m_languages->setCurrentIndex(index);
    m_autoUpdate->setChecked(Settings::readBool(SettingsKeys::AutoUpdate, true));
}

void OptionsPage::save()
{
    Settings::write(SettingsKeys::Language, m_languages->currentData().toString());
    Settings::write(SettingsKeys::AutoUpdate, m_autoUpdate->isChecked());
}

void OptionsPage::byDefault()
{
    // The language stays: choosing one takes effect at once, which a reset should not do.
    m_autoUpdate->setChecked(true);
}

void OptionsPage::langChanged(int index)
{
    if (index < 0)
        return;
    Settings::write(SettingsKeys::Language, m_languages->itemData(index).toString());
    emit languageChanged();
}

void OptionsPage::retranslateUi()
{
    setTitle(tr("General"));
    setDescription(tr("Here you can change the software options."));
    m_languageLabel->setText(tr("Language:"));
    m_autoUpdate->setText(tr("&Automatically check for updates"));
    // Over HTTPS: the page is fetched by the user's browser and may be trusted with downloads.
    const QString target =
        QStringLiteral("https://%1/lang.html")
            .arg(Settings::readString(SettingsKeys::AppUrl, QString(ProgramInfo::WebHost)));
    m_translateLink->setText(QStringLiteral("<a href=\"%1\">").arg(target) +
                             tr("How to translate to your language") + QStringLiteral("</a>"));
}
