#pragma once
// The channel names and value texts several editors share, and the guards of the suppress-send flag.

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

// Gain display of a fader position -280..120: 0.1 dB steps, 0.5 dB steps below -20 dB.
QString GainText(int pos);
// "%+1.1fdB" of pos * 0.5 (compressor and gate thresholds).
QString HalfDbText(int pos);

// Sets the window's suppress-send flag for its lifetime and restores the previous value.
class SuppressGuard
{
public:
    explicit SuppressGuard(TfmMain& f) : m_form(f), m_was(f.SuppressSend) { m_form.SuppressSend = true; }
    ~SuppressGuard() { m_form.SuppressSend = m_was; }
    SuppressGuard(const SuppressGuard&) = delete;
    SuppressGuard& operator=(const SuppressGuard&) = delete;

private:
    TfmMain& m_form;
    bool m_was;
};

// Puts the window's suppress-send flag back to the value it had at construction, on every exit path.
class SuppressRestore
{
public:
    explicit SuppressRestore(TfmMain& f) : m_form(f), m_was(f.SuppressSend) {}
    ~SuppressRestore() { m_form.SuppressSend = m_was; }
    SuppressRestore(const SuppressRestore&) = delete;
    SuppressRestore& operator=(const SuppressRestore&) = delete;

private:
    TfmMain& m_form;
    bool m_was;
};

} // namespace editors
