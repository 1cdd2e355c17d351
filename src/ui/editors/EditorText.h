#pragma once
// The channel names and value texts several editors share, and the guards of the suppress-send flag.

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

// Sets the suppress-send flag for its lifetime and restores the previous value.
class SuppressGuard
{
public:
    explicit SuppressGuard(bool& suppress) : m_flag(suppress), m_was(suppress) { m_flag = true; }
    ~SuppressGuard() { m_flag = m_was; }
    SuppressGuard(const SuppressGuard&) = delete;
    SuppressGuard& operator=(const SuppressGuard&) = delete;

private:
    bool& m_flag;
    bool m_was;
};

// Puts the suppress-send flag back to the value it had at construction, on every exit path.
class SuppressRestore
{
public:
    explicit SuppressRestore(bool& suppress) : m_flag(suppress), m_was(suppress) {}
    ~SuppressRestore() { m_flag = m_was; }
    SuppressRestore(const SuppressRestore&) = delete;
    SuppressRestore& operator=(const SuppressRestore&) = delete;

private:
    bool& m_flag;
    bool m_was;
};

} // namespace editors
