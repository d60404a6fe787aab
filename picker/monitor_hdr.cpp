#include "picker/monitor_hdr.h"

#include <vector>

namespace {

using BufferSizesFn = LONG(WINAPI*)(UINT32, UINT32*, UINT32*);
using QueryFn = LONG(WINAPI*)(UINT32, UINT32*, DISPLAYCONFIG_PATH_INFO*, UINT32*, DISPLAYCONFIG_MODE_INFO*,
                              DISPLAYCONFIG_TOPOLOGY_ID*);
using DeviceInfoFn = LONG(WINAPI*)(DISPLAYCONFIG_DEVICE_INFO_HEADER*);

template <typename Fn>
Fn User32(const char* name) {
  return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

bool MonitorShowsHdr(HMONITOR monitor) {
  const auto sizes = User32<BufferSizesFn>("GetDisplayConfigBufferSizes");
  const auto query = User32<QueryFn>("QueryDisplayConfig");
  const auto info = User32<DeviceInfoFn>("DisplayConfigGetDeviceInfo");
  MONITORINFOEXW monitorInfo = {};
  monitorInfo.cbSize = sizeof monitorInfo;
  if (sizes == nullptr || query == nullptr || info == nullptr || !GetMonitorInfoW(monitor, &monitorInfo)) return false;
  UINT32 pathCount = 0, modeCount = 0;
  if (sizes(QDC_ONLY_ACTIVE_PATHS, &pathCount, &modeCount) != ERROR_SUCCESS) return false;
  std::vector<DISPLAYCONFIG_PATH_INFO> paths(pathCount);
  std::vector<DISPLAYCONFIG_MODE_INFO> modes(modeCount);
  if (query(QDC_ONLY_ACTIVE_PATHS, &pathCount, paths.data(), &modeCount, modes.data(), nullptr) != ERROR_SUCCESS)
    return false;
  // The path whose source is the monitor's GDI device leads to its target.
  for (UINT32 i = 0; i < pathCount; ++i) {
    DISPLAYCONFIG_SOURCE_DEVICE_NAME source = {};
    source.header = {DISPLAYCONFIG_DEVICE_INFO_GET_SOURCE_NAME, sizeof source, paths[i].sourceInfo.adapterId,
                     paths[i].sourceInfo.id};
    if (info(&source.header) != ERROR_SUCCESS || lstrcmpiW(source.viewGdiDeviceName, monitorInfo.szDevice) != 0)
      continue;
    DISPLAYCONFIG_GET_ADVANCED_COLOR_INFO colour = {};
    colour.header = {DISPLAYCONFIG_DEVICE_INFO_GET_ADVANCED_COLOR_INFO, sizeof colour, paths[i].targetInfo.adapterId,
                     paths[i].targetInfo.id};
    return info(&colour.header) == ERROR_SUCCESS && colour.advancedColorEnabled;
  }
  return false;
}
