// Installing a file printer of Wine's PostScript driver, and reading back what it wrote.
#include "tests/shell/win32/FilePrinter.h"

#include "common/win32/WinApi.h"

#include <winspool.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

constexpr char DriverName[] = "Wine PostScript Driver";
constexpr char PpdName[] = "QuilvaneTestFile.ppd";
constexpr char PortsKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

// An A4 PostScript printer at 300 dpi: the least a PPD needs for the driver to take it.
constexpr char Ppd[] =
    "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n*LanguageVersion: English\n"
    "*LanguageEncoding: ISOLatin1\n*PCFileName: \"QVFILE.PPD\"\n*Manufacturer: \"Generic\"\n"
    "*Product: \"(File Printer)\"\n*ModelName: \"File Printer\"\n*ShortNickName: \"File Printer\"\n"
    "*NickName: \"File Printer\"\n*PSVersion: \"(3010) 0\"\n*LanguageLevel: \"3\"\n*ColorDevice: False\n"
    "*DefaultColorSpace: Gray\n*DefaultResolution: 300dpi\n"
    "*OpenUI *PageSize: PickOne\n*OrderDependency: 10 AnySetup *PageSize\n*DefaultPageSize: A4\n"
    "*PageSize A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n*CloseUI: *PageSize\n"
    "*OpenUI *PageRegion: PickOne\n*OrderDependency: 10 AnySetup *PageRegion\n*DefaultPageRegion: A4\n"
    "*PageRegion A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n*CloseUI: *PageRegion\n"
    "*DefaultImageableArea: A4\n*ImageableArea A4/A4: \"0 0 595 842\"\n"
    "*DefaultPaperDimension: A4\n*PaperDimension A4/A4: \"595 842\"\n"
    "*DefaultFont: Courier\n*Font Courier: Standard \"(002.004S)\" Standard ROM\n";

std::string DriverDirectory() {
  char dir[MAX_PATH] = {};
  DWORD needed = 0;
  if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(dir), sizeof dir, &needed)) return {};
  return dir;
}

// The driver looks for its data file in the driver folder and in its version folder.
bool WritePpd() {
  const std::string dir = DriverDirectory();
  if (dir.empty()) return false;
  CreateDirectoryA((dir + "\\3").c_str(), nullptr);
  for (const std::string& path : {dir + "\\" + PpdName, dir + "\\3\\" + PpdName}) {
    std::ofstream file(path, std::ios::binary);
    file << Ppd;
    if (!file) return false;
  }
  return true;
}

bool AddDriver() {
  DRIVER_INFO_3A driver{};
  driver.cVersion = 3;
  driver.pName = const_cast<char*>(DriverName);
  driver.pDriverPath = const_cast<char*>("wineps.drv");
  driver.pDataFile = const_cast<char*>(PpdName);
  driver.pConfigFile = const_cast<char*>("wineps.drv");
  return AddPrinterDriverA(nullptr, 3, reinterpret_cast<BYTE*>(&driver)) || GetLastError() == ERROR_PRINTER_DRIVER_ALREADY_INSTALLED;
}

bool SetPort(const std::string& port, bool add) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, PortsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return false;
  const LONG result = add ? RegSetValueExA(key, port.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1)
                          : RegDeleteValueA(key, port.c_str());
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

bool AddFilePrinter(const std::string& port) {
  PRINTER_INFO_2A info{};
  info.pPrinterName = const_cast<char*>(FilePrinter::Name);
  info.pPortName = const_cast<char*>(port.c_str());
  info.pDriverName = const_cast<char*>(DriverName);
  info.pPrintProcessor = const_cast<char*>("WinPrint");
  info.pDatatype = const_cast<char*>("RAW");
  info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
  HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
  if (!printer) return false;
  ClosePrinter(printer);
  return SetDefaultPrinterA(FilePrinter::Name) != FALSE;
}

int NumberAfter(const std::string& text, const std::string& label, int absent) {
  const size_t at = text.rfind(label);
  return at == std::string::npos ? absent : std::atoi(text.c_str() + at + label.size());
}

}  // namespace

FilePrinter::FilePrinter(const std::string& outputPath) : Output(outputPath) {
  Ready = WritePpd() && AddDriver() && SetPort(Output, true) && AddFilePrinter(Output);
}

void FilePrinter::Remove() {
  if (!Ready) return;
  Ready = false;
  HANDLE printer = nullptr;
  PRINTER_DEFAULTSA access{nullptr, nullptr, PRINTER_ALL_ACCESS};
  if (OpenPrinterA(const_cast<char*>(Name), &printer, &access)) {
    DeletePrinter(printer);
    ClosePrinter(printer);
  }
  SetPort(Output, false);
}

PostScriptJob ReadPostScriptJob(const std::string& text) {
  PostScriptJob job;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind("%%Title: ", 0) == 0) job.Title = line.substr(9);
    if (line.rfind("%%Page: ", 0) == 0) ++job.PageMarks;
  }
  if (text.find("%%EOF") != std::string::npos) job.Pages = NumberAfter(text, "%%Pages: ", -1);
  job.Copies = NumberAfter(text, "/NumCopies ", 1);
  return job;
}
