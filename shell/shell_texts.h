#pragma once

// Numbers of the shell's texts in the string table.
namespace shell::text {
constexpr int OpenFailed = 111;
constexpr int SaveFailed = 131;
constexpr int CautionCaption = 136;
constexpr int SaveBeforeClose = 137;
constexpr int OpenTitle = 162;
constexpr int SaveAsTitle = 170;
constexpr int ExportTitle = 171;
constexpr int FontNotFound = 176;
constexpr int PictureFailed = 300;
constexpr int RegistryWriteFailed = 301;
constexpr int CommandLineTooLong = 700;
constexpr int RecoveryCaption = 701;
constexpr int RecoveryQuestion = 702;
constexpr int RecoveryRestore = 703;
constexpr int RecoveryDiscard = 704;
} // namespace shell::text
