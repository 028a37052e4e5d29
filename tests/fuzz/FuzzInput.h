// Reads a fuzzer's input as a stream of small decisions. Past the end every
// read answers zero, so any input, even an empty one, is a complete run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace tolvo {

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data(data), size(size) {}

    bool empty() const { return position >= size; }
    size_t remaining() const { return empty() ? 0 : size - position; }

    uint8_t byte() { return empty() ? 0 : data[position++]; }

    uint32_t word()
    {
        uint32_t value = 0;
        for (int shift = 0; shift < 32; shift += 8)
            value |= uint32_t{byte()} << shift;
        return value;
    }

    // Any float, NaN, infinities, subnormals and negative zero included.
    float anyFloat()
    {
        const uint32_t bits = word();
        float value = 0.0f;
        std::memcpy(&value, &bits, sizeof(value));
        return value;
    }

    // Up to count bytes, fewer when the input ends.
    std::vector<uint8_t> bytes(size_t count)
    {
        const size_t taken = count < remaining() ? count : remaining();
        std::vector<uint8_t> out(data + position, data + position + taken);
        position += taken;
        return out;
    }

    // A text of up to maxLength bytes, its length given by the next byte.
    std::string text(size_t maxLength)
    {
        const std::vector<uint8_t> raw = bytes(byte() % (maxLength + 1));
        return std::string(raw.begin(), raw.end());
    }

    // Everything not read yet.
    std::vector<uint8_t> rest() { return bytes(remaining()); }

private:
    const uint8_t* data;
    size_t size;
    size_t position = 0;
};

} // namespace tolvo
