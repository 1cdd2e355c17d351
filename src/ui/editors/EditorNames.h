#pragma once
// Composed control names of the editors and the small texts several editors share.

#include "ui/FMain.h"

#include <QString>

namespace editors {

// "InA", "InB", "Out1" .. "Out6" for ChannelIndex 0..7.
inline QString ChannelSuffix(int ch)
{
    return ch < 2 ? QStringLiteral("In") + QChar(u'A' + ch) : QStringLiteral("Out") + QChar(u'1' + (ch - 2));
}

// 'A', 'B' for the inputs, '1'..'6' for the outputs.
inline QChar ChannelLetter(int ch)
{
    return ch < 2 ? QChar(u'A' + ch) : QChar(u'1' + (ch - 2));
}

// The window's control of that name and class; null when missing or of another class.
template <class T>
T* Find(const TfmMain* form, const QString& name)
{
    return dynamic_cast<T*>(form->FindComponent(name));
}

template <class T>
T* Find(const TfmMain* form, const QString& quantity, int ch)
{
    return Find<T>(form, quantity + ChannelSuffix(ch));
}

// Gain display of a fader position -280..120: 0.1 dB steps, 0.5 dB steps below -20 dB.
QString GainText(int pos);
// "%+1.1fdB" of pos * 0.5 (compressor and gate thresholds).
QString HalfDbText(int pos);

// Sets the window's suppress-send flag for its lifetime and restores the previous value.
class SuppressGuard
{
public:
    explicit SuppressGuard(TfmMain& f) : Form(f), Was(f.SuppressSend) { Form.SuppressSend = true; }
    ~SuppressGuard() { Form.SuppressSend = Was; }
    SuppressGuard(const SuppressGuard&) = delete;
    SuppressGuard& operator=(const SuppressGuard&) = delete;

private:
    TfmMain& Form;
    bool Was;
};

// Puts the window's suppress-send flag back to the value it had at construction, on every exit path.
class SuppressRestore
{
public:
    explicit SuppressRestore(TfmMain& f) : Form(f), Was(f.SuppressSend) {}
    ~SuppressRestore() { Form.SuppressSend = Was; }
    SuppressRestore(const SuppressRestore&) = delete;
    SuppressRestore& operator=(const SuppressRestore&) = delete;

private:
    TfmMain& Form;
    bool Was;
};

} // namespace editors
