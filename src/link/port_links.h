// The link the controller holds: the serial line for ports 1 and 2, the GTP
// program for port 3 (kGtpPort). Open picks one; every other call goes to
// the one opened last.
#pragma once

#include <memory>

#include "link/game_link.h"
#include "link/gtp_link.h"
#include "link/link_devices.h"

namespace kz::link {

class PortLinks final : public GameLink {
 public:
  PortLinks(std::unique_ptr<GameLink> serial, std::unique_ptr<GtpLink> gtp)
      : serial_(std::move(serial)), gtp_(std::move(gtp)), current_(serial_.get()) {}

  int Open(int port) override {
    if (current_->IsOpen()) current_->Close();
    current_ = port == kGtpPort ? static_cast<GameLink*>(gtp_.get()) : serial_.get();
    return current_->Open(port);
  }
  bool Close() override { return current_->Close(); }
  bool IsOpen() const override { return current_->IsOpen(); }
  bool StartGame(int size, int handicapPlusOne, int colour, int game) override {
    return current_->StartGame(size, handicapPlusOne, colour, game);
  }
  void SendMove(int x, int y) override { current_->SendMove(x, y); }
  void SendResign() override { current_->SendResign(); }
  int PollRemoteMove() override { return current_->PollRemoteMove(); }
  void Poll() override { current_->Poll(); }
  bool Failed() const override { return current_->Failed(); }
  std::string FailureText() const override { return current_->FailureText(); }
  std::string PeerName() const override { return current_->PeerName(); }
  bool MoveOverdue() const override { return current_->MoveOverdue(); }
  void WaitLonger() override { current_->WaitLonger(); }

  GtpLink& Gtp() { return *gtp_; }

 private:
  std::unique_ptr<GameLink> serial_;
  std::unique_ptr<GtpLink> gtp_;
  GameLink* current_;
};

}  // namespace kz::link
