#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <memory>
#include <sane/sane.h>

// An open SANE device: owns the handle (cancelled and closed on destruction) and reaches the
// device's options by name.
//
// The select...() calls map Vellumo's wishes onto the options most backends share ("source",
// "resolution", "mode", "depth"), matching the values by the names backends commonly use, and
// skip setting a value the device already has (some backends restart a feeder batch on any
// change). Not thread-safe: while a scan reads on another thread, only the handle's sane_cancel
// may be used.
class SaneDevice
{
public:
    enum class PixelKind { LineArt, Gray, Colour };

    // Opens the SANE device `name`; may take seconds for a USB or network scanner. Null, with
    // `status` set, on failure. SANE must be initialised.
    static std::unique_ptr<SaneDevice> open(const QByteArray &name, SANE_Status &status);
    ~SaneDevice();
    SaneDevice(const SaneDevice &) = delete;
    SaneDevice &operator=(const SaneDevice &) = delete;

    SANE_Handle handle() const { return m_handle; }
    const QByteArray &name() const { return m_name; }

    // The option's value: bool, int, double (fixed point) or QString. Invalid when the option
    // is missing or inactive.
    QVariant value(const char *option) const;
    // Sets an option; a word array gets the value in every element. False when the option is
    // missing, inactive or read-only, or the device refuses the value (see refusal()).
    [[nodiscard]] bool setValue(const char *option, const QVariant &value);
    // The last refused setting, for the log.
    const QString &refusal() const { return m_refusal; }

    // The document feeder (true) or the flatbed. False when no source value matches; a device
    // without a "source" option counts as a flatbed.
    [[nodiscard]] bool selectSource(bool feeder);
    // The allowed resolution nearest to `dotsPerInch`: clamped to the range and rounded to its
    // step, or the nearest entry of a list.
    [[nodiscard]] bool selectResolution(double dotsPerInch);
    // Line art through a line-art mode or, failing that, grey at 1 bit; grey and colour at
    // `bitsPerSample` (8 or 16) where the device has it, else 8.
    [[nodiscard]] bool selectPixelKind(PixelKind kind, int bitsPerSample);
    // The resolution in dots per inch, or 0 when the device has no such option.
    double resolution() const;

private:
    SaneDevice(SANE_Handle handle, const QByteArray &name);
    int optionIndex(const char *option) const;
    const SANE_Option_Descriptor *descriptor(const char *option) const;
    bool setIfDifferent(const char *option, const QVariant &value);
    bool selectDepth(int bits);

    SANE_Handle m_handle;
    QByteArray m_name;
    QString m_refusal;
};
