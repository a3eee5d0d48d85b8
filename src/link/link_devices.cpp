#include "link/link_devices.h"

namespace kz::link {

LinkDevices ReadLinkDevices(const platform::ProfileFile& file) {
  LinkDevices d;
  std::string p1 = file.GetString("Link", "Port1", kDefaultPort1);
  std::string p2 = file.GetString("Link", "Port2", kDefaultPort2);
  if (!p1.empty()) d.port1 = p1;
  if (!p2.empty()) d.port2 = p2;
  return d;
}

}  // namespace kz::link
