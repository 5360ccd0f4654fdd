// Keeps zw_platform non-empty before the first backend lands.
namespace zw { void PlatformLinked() {} }
