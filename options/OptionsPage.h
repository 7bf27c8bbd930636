#pragma once

#include "options/PropertyPage.h"

class QCheckBox;
class QComboBox;
class QLabel;

// General options: the interface language (switched at once when chosen) and the update
// check at start.
class OptionsPage : public PropertyPage
{
    Q_OBJECT

public:
    explicit OptionsPage(QWidget *parent = nullptr);

    void load() override;
    void save() override;

    // The language codes of the list, in list order.
    static QStringList languageCodes();

public slots:
    void byDefault() override;
    // Stores the chosen language and asks for the interface to switch to it.
    void langChanged(int index);

signals:
    // A new language is stored; the application loads it.
    void languageChanged();

protected:
    void retranslateUi() override;

private:
    QLabel *m_languageLabel;
    QComboBox *m_languages;
    QCheckBox *m_autoUpdate;
    QLabel *m_translateLink;
};
