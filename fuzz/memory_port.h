// A serial line in memory for the link's fuzz target and its seeds: what the
// far end sent waits in `incoming`, what the link wrote piles up in `sent`.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "link/serial_port.h"

namespace kz::fuzz {

class MemoryPort final : public link::SerialPort {
 public:
  std::deque<std::uint8_t> incoming;
  std::vector<std::uint8_t> sent;

  int Open(const std::string&, int) override {
    open_ = true;
    return link::kOpenOk;
  }
  bool Close() override {
    open_ = false;
    return true;
  }
  bool IsOpen() const override { return open_; }
  bool Write(const std::uint8_t* bytes, std::size_t n) override {
    sent.insert(sent.end(), bytes, bytes + n);
    return true;
  }
  int Read(std::uint8_t* bytes, std::size_t n) override {
    std::size_t k = 0;
    for (; k < n && !incoming.empty(); ++k, incoming.pop_front()) bytes[k] = incoming.front();
    return static_cast<int>(k);
  }
  int Waiting() override { return static_cast<int>(incoming.size()); }

 private:
  bool open_ = false;
};

}  // namespace kz::fuzz
