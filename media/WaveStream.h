#pragma once
// The RIFF WAVE layout of a stored sound, opened either to read its samples or to write new ones.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace media {

class TWaveStream {
  public:
    // Checks the RIFF/WAVE head and finds the "fmt " and "data" chunks in any order.
    // The image must outlive the reading.
    void openRead(std::span<const std::uint8_t> image);
    // Starts a new image with this format block; an empty one is refused.
    void openWrite(std::span<const std::uint8_t> format);
    // Ends the reading or writing; after writing it returns the finished image.
    std::vector<std::uint8_t> close();

    bool isOpen() const { return mode_ != Mode::Closed; }
    const std::vector<std::uint8_t>& format() const { return format_; }
    // Sample bytes recorded (reading) or written so far (writing).
    std::size_t dataLength() const { return dataLength_; }

    // Reads on from the samples, never past their recorded length; returns the bytes read.
    std::size_t read(std::span<std::uint8_t> buffer);
    void write(std::span<const std::uint8_t> samples);

  private:
    enum class Mode { Closed, Reading, Writing };

    void requireMode(Mode mode) const;
    void scanChunks(std::span<const std::uint8_t> image);

    Mode mode_ = Mode::Closed;
    std::vector<std::uint8_t> format_;
    std::span<const std::uint8_t> image_;
    std::size_t dataPosition_ = 0;
    std::size_t dataLength_ = 0;
    std::size_t readPosition_ = 0;
    std::vector<std::uint8_t> written_;
};

}  // namespace media
