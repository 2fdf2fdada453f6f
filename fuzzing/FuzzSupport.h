#pragma once

// What every fuzz target shares: a quiet process (no debug channel, no
// message boxes), a scratch folder for readers that take a path, and the
// libFuzzer entry point each target defines.

#include "platform/UserMessages.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace FuzzSupport {

// Drops the debug channel (a reader logs per line; the fuzzer measures the
// reader) and creates the (GUI, offscreen) application object once.
void setUp();

// Writes the bytes to a file in the process's scratch folder and returns
// its path; the same name every call, so no files pile up.
QString scratchFile(const QByteArray& bytes, const QString& name);

// Answers every question with its default button and shows nothing.
class SilentMessages : public UserMessages
{
public:
    Button show(Icon, const QString&, const QString&, Buttons, Button defaultButton) override
    {
        return defaultButton == NoButton ? Ok : defaultButton;
    }
};

} // namespace FuzzSupport

namespace FuzzSupport {

// Takes values off the front of a fuzz input; past its end every value is
// the lowest of its range, so any input makes a whole, valid set.
class ByteReader
{
public:
    ByteReader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}

    int range(int low, int high)
    {
        const unsigned span = unsigned(high - low) + 1u;
        unsigned v = 0;
        for (unsigned bits = span - 1u; bits != 0; bits >>= 8)
            v = (v << 8) | next();
        return low + int(v % span);
    }
    bool flag() { return next() & 1u; }
    // A value on a grid of 1/100 between low and high.
    double number(double low, double high)
    {
        return low + (high - low) * range(0, 10000) / 10000.0;
    }

private:
    unsigned next() { return m_pos < m_size ? m_data[m_pos++] : 0u; }

    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace FuzzSupport
