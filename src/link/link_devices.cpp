#include "link/link_devices.h"

#include <unistd.h>

#include "link/gtp_link.h"

namespace kz::link {

LinkDevices ReadLinkDevices(const platform::ProfileFile& file) {
  LinkDevices d;
  std::string p1 = file.GetPath("Link", "Port1", kDefaultPort1);
  std::string p2 = file.GetPath("Link", "Port2", kDefaultPort2);
  if (!p1.empty()) d.port1 = p1;
  if (!p2.empty()) d.port2 = p2;
  const std::string fallback = access(kGnuGoPath, X_OK) == 0 ? kDefaultGtpProgram : "";
  d.gtpProgram = file.GetPath("Link", "GtpProgram", fallback);
  if (d.gtpProgram.empty()) d.gtpProgram = fallback;
  const int seconds = file.GetInt("Link", "GtpMoveSeconds", kDefaultGtpMoveSeconds);
  d.gtpMoveSeconds = seconds >= 1 && seconds <= 3600 ? seconds : kDefaultGtpMoveSeconds;
  return d;
}

void WriteGtpProgram(platform::ProfileFile& file, const LinkDevices& devices) {
  file.WriteString("Link", "GtpProgram", devices.gtpProgram);
  file.WriteInt("Link", "GtpMoveSeconds", devices.gtpMoveSeconds);
}

}  // namespace kz::link
