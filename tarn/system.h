// Tarn system services: FileDialog, Buffer, Spreadsheet, fileSize, TextFile,
// the System object with run, startProgram, fileExists and playWaveResource,
// and LanguageTable.
//
// Classes and functions in this file (sources):
//   FileDialog                  system/file_dialog.cpp, file_dialog_filter.cpp
//   Buffer                      system/buffer.cpp
//   Spreadsheet                 system/spreadsheet.cpp, biff.cpp
//   TextFile                    system/text_file.cpp, file_text.cpp
//   System, startProgram, ...   system/system.cpp, program_start.cpp,
//                               system_text.cpp, file_size.cpp
#ifndef TARN_SYSTEM_H
#define TARN_SYSTEM_H

#include "core.h"

#include <commdlg.h>  // OPENFILENAMEA (left out by WIN32_LEAN_AND_MEAN)

namespace tarn {

// ===========================================================================
// File Dialog
// ===========================================================================

/// The open and save dialogs with a list of file-type filters; remembers the
/// last chosen path. Names are at most 259 characters: longer initial names are
/// cut, and a chosen path that does not fit makes the dialog fail.
class FileDialog {
 public:
  /// The bytes of `fileName`, terminator included.
  static constexpr int maxName = 260;  // bytes of `fileName`, terminator included

  /// One file-type filter: the text the dialog shows and the patterns it matches.
  struct Filter {
    /// What the dialog shows, for example "Text files (*.txt)".
    String description;
    /// The patterns, for example "*.txt"; several are separated by "," or ";".
    String pattern;
  };

  /// A dialog with no owner and no filters.
  FileDialog();
  /// A dialog owned by `window`'s window.
  explicit FileDialog(const Control& window);
  /// A dialog owned by `owner`.
  explicit FileDialog(HWND owner);
  /// Copies share nothing: the copy builds its own filter block.
  FileDialog(const FileDialog& other);
  /// Copies the filters and path of `other`; this object builds its own filter block.
  FileDialog& operator=(const FileDialog& other);
  /// Moves take over the filter block (the source is left without one).
  FileDialog(FileDialog&& other) noexcept;
  /// Takes over the filter block of `other`, which is left without one.
  FileDialog& operator=(FileDialog&& other) noexcept;
  /// Frees the filter block.
  ~FileDialog();

  /// `pattern` may hold several patterns separated by "," or ";".
  void addFilter(const String& description, const String& pattern);
  /// The open dialog (existing folders only); true and `path` := the chosen file.
  /// While a dialog of this object is up (a call from a timer or another
  /// window's handler), open and save return false at once and change nothing.
  bool open(const String& initialName = String());
  /// The save dialog (asks before replacing a file); true and `path` := the name.
  bool save(const String& initialName = String());

  /// The request handed to the system, filled afresh for each dialog.
  OPENFILENAMEA request;  // filled afresh for each dialog
  /// The initial name going in and the chosen name coming out (zero-terminated).
  char fileName[maxName];  // initial name in, chosen name out
  /// The filters in the order added.
  std::vector<Filter> filters;  // in the order added
  /// The zero-separated filter list handed to the system (a GlobalAlloc block, rebuilt before
  /// each dialog).
  char* filterBlock;  // GlobalAlloc block, rebuilt before each dialog
  /// The window that owns the dialogs (0: none).
  HWND owner;
  /// The path last chosen; empty before.
  String path;
  /// The extension the dialog adds to a typed name that has none ("txt" or
  /// ".txt": a leading dot is dropped); empty adds none. Windows appends at
  /// most its first three characters.
  String defaultExtension;

 private:
  bool showing;  // a dialog of this object is up
  bool show(const String& initialName, bool saving);
  void rebuildFilterBlock();
};

// ===========================================================================
// Buffers, Spreadsheets, Text Files
// ===========================================================================

/// A block of bytes in global memory (GlobalAlloc, zero-filled), exactly as long
/// as its content: no spare capacity and no terminating zero. Copies own their
/// own blocks. Positions and counts are signed 32-bit; a negative count is
/// treated as 0. When a block cannot be allocated or grown, the content stays as
/// it was and an operation with a result reports -1 (lengths) or false.
class Buffer {
 public:
  /// An empty buffer.
  Buffer();
  /// A copy of `other`'s bytes in a block of its own (empty when out of memory).
  Buffer(const Buffer& other);
  /// A copy of the `count` bytes at `source`; empty when count <= 0 or source is null.
  Buffer(const void* source, int count);
  /// `count` zero bytes; empty when count <= 0.
  explicit Buffer(int count);
  /// Replaces the content with a copy of `other`'s (unchanged when out of memory).
  Buffer& operator=(const Buffer& other);
  /// Frees the block.
  ~Buffer();

  /// Read-only: the bytes, or null when empty.
  Property<Buffer, char*> data;  // read-only: the bytes, or null when empty
  /// Read-only: the number of bytes.
  Property<Buffer, int> length;  // read-only: the number of bytes

  /// Replaces the content with a copy of `other`'s; returns the new length (0 for
  /// an empty `other`), or -1 with the content unchanged when out of memory.
  int assign(const Buffer& other);
  /// Frees the block; the buffer is empty afterwards.
  void release();
  /// Adds `count` bytes copied from `source` (which may lie inside this buffer)
  /// at the end; returns the new length, or -1 with the content unchanged when
  /// the block cannot grow or `source` is null while count > 0.
  int append(const void* source, int count);
  /// Adds one byte at the end (nothing changes when the block cannot grow).
  void push(unsigned char byte);
  /// The byte at `position` (0 to 255), or 255 outside 0 .. length - 1.
  int byteAt(int position) const;
  /// The `count` bytes from `start`; empty unless count > 0, start >= 0 and
  /// start + count <= length.
  Buffer slice(int start, int count) const;
  /// Replaces the content with the bytes of the file at `path`. False, with the
  /// content unchanged, when the file cannot be opened or read; false, with the
  /// buffer empty, when the file is empty.
  bool loadFile(const String& path);
  /// Writes the bytes to `path` through a text-mode stream (each 0x0A is stored
  /// as 0x0D 0x0A); false when the file cannot be opened or fully written.
  bool saveFile(const String& path) const;
  /// The bytes up to the first zero byte, or all of them when there is none;
  /// empty when the text cannot be held in memory.
  String text() const;
  /// Copies all bytes to `destination`, which must have room for `length` bytes.
  void copyTo(void* destination) const;

 private:
  char* getData() const { return block; }
  int getLength() const { return byteCount; }
  void bindProperties();
  bool resize(int newCount);

  char* block;
  int byteCount;
};

/// Text cells written as a spreadsheet file: a beginning-of-file record, one
/// text-cell record per cell in the order added, an end-of-file record.
class Spreadsheet {
 public:
  /// One text cell: its column, row and text.
  struct Cell {
    /// The cell's column (0-based).
    short column = 0;
    /// The cell's row (0-based).
    short row = 0;
    /// The cell's text.
    String text;
  };

  /// The longest text a cell is saved with, in characters (bytes of an ANSI
  /// code page); longer texts are cut to this.
  static constexpr int maxTextLength = 128;

  /// An empty sheet.
  Spreadsheet();

  /// Adds `cell` after the cells added before.
  void add(const Cell& cell);
  /// Column and row are kept as signed 16-bit numbers (their low 16 bits).
  void addCell(int column, int row, const String& text);
  /// Writes the file; texts longer than maxTextLength are cut, in the file and
  /// in the stored cells. False when the file cannot be created or fully written.
  /// In a program whose code page is UTF-8 (the modern look) the file is
  /// written with Unicode texts (BIFF8 labels), so spreadsheet programs read
  /// any language back whole, and the cut counts characters, never splitting
  /// one; any other program writes each text's bytes as earlier versions did.
  bool save(const String& path);

  /// The number of cells added.
  int size() const { return static_cast<int>(cells.size()); }
  /// The cell at `index`; a default (empty) cell outside 0 .. size() - 1.
  Cell cellAt(int index) const;

 private:
  std::vector<Cell> cells;
};

/// The size of the file at `path` in bytes; 0 when it cannot be opened.
int fileSize(const String& path);

/// A text file read and written through a standard I/O stream, with the line
/// ends of a text-mode stream (carriage-return/line-feed pairs on disk read as
/// line feeds; line feeds are written as pairs) but exact positions, also in
/// files with bare line feeds. Every operation on a
/// closed object answers false, 0, an empty text or an empty list and touches no
/// file. Objects are not copyable: each owns its stream.
class TextFile {
 public:
  /// The longest piece one readLine returns; longer lines come in pieces.
  static constexpr int maxLineLength = 1023;

  /// A closed text file.
  TextFile();
  /// Opens the existing file at `path` for reading and writing, as open() does.
  explicit TextFile(const String& path);
  /// Not copyable: each object owns its stream.
  TextFile(const TextFile&) = delete;
  /// Not assignable: each object owns its stream.
  TextFile& operator=(const TextFile&) = delete;
  /// Closes the stream, if open.
  ~TextFile();

  /// Read-only: the end-of-file indicator; false when closed.
  Property<TextFile, bool> eof;  // read-only: the end-of-file indicator; false when closed
  /// Read-only: whether a stream is open.
  Property<TextFile, bool> isOpen;  // read-only

  /// Closes any open stream, remembers `path` and opens the existing file for
  /// reading and writing; true when it opened.
  bool open(const String& path);
  /// Closes the stream; the fclose result, 0 when already closed.
  int close();
  /// Back to the start; always 0.
  int rewind();
  /// The file's size in bytes (the read position is kept); 0 when closed.
  int size();
  /// The next character, line ends included; 0 when closed or at the end.
  char readChar();
  /// The next whitespace-separated decimal number; 0 when closed or when no
  /// number stands at the position.
  int readInt();
  /// The next line without its line end, at most maxLineLength characters;
  /// empty when closed or at the end. Zero bytes come back as spaces.
  String readLine();
  /// Lines read while the end is not reached, at most `maxLines` (0: no limit).
  /// A file that ends with a line end gives a last, empty element.
  StringList readLines(unsigned maxLines = 0);
  /// Up to `length` bytes from the position (only what was read; zero bytes
  /// come back as spaces); empty when closed, when nothing was read, when
  /// length <= 0, or when no block of that size or no text that long can be
  /// held in memory (the stream then stays where it was).
  String read(int length);
  /// The whole file, read from the start; the stream is left at the end. Empty,
  /// with the stream where it was, when the text cannot be held in memory.
  String readAll();
  /// Writes `text` at the position; false when closed or when not all of it
  /// was written.
  bool write(const String& text);
  /// Creates or empties the file last opened and writes `text` into it; the
  /// stream stays open for writing.
  bool rewrite(const String& text);
  /// Creates or empties the file last opened; the stream stays open for writing.
  bool create();
  /// Creates the file at `path`, or empties it when it exists, and keeps it
  /// open for reading and writing (what open() gives an existing file), so a
  /// new file needs no open() that fails first. False, and the object closed
  /// with `path` kept, when the file cannot be made (a missing folder, a
  /// read-only file).
  bool create(const String& path);

 private:
  enum class Access : unsigned char { none, reading, writing };

  bool getEof() const;
  bool getIsOpen() const { return stream != nullptr; }
  void bindProperties();
  // Reading and writing the same stream need a positioning call between them.
  void prepareFor(Access access);
  // One line into `line`; false when nothing could be read.
  bool readLineInto(String& line);
  // Puts the stream back where a read started and answers the empty text.
  String abandonRead(long start);

  String path;
  std::FILE* stream;
  Access lastAccess;
};

// ===========================================================================
// System Services And Language Tables
// ===========================================================================

/// Machine information, environment variables and ending the session. Every
/// property is read from the system at each access; nothing is cached, so a
/// program that wants a stable value (a start time from `uptime`) keeps a copy.
/// Constructing the object makes no system call.
class System {
 public:
  /// The system object; constructing it makes no system call.
  System();

  /// Read-only: milliseconds since the system started.
  Property<System, unsigned> uptime;  // milliseconds since start-up
  /// Read-only: the Windows folder.
  Property<System, String> windowsDirectory;  // read-only
  /// Read-only: the system folder.
  Property<System, String> systemDirectory;  // read-only
  /// Read-only: the letter of the drive holding Windows: "C" for `C:\...`
  Property<System, String> systemDrive;  // read-only: "C" for C:\...
  /// The computer's name; empty when it cannot be read. Writing sets the name the system takes
  /// at its next start.
  Property<System, String> computerName;  // empty when it cannot be read
  /// The process's current folder; writing changes it.
  Property<System, String> currentDirectory;
  /// Read-only: the user's logon name; empty on failure.
  Property<System, String> userName;  // read-only; empty on failure
  /// Read-only: the system's version and family: "5.1.2600-Windows NT/2000/XP".
  Property<System, String> osVersion;  // read-only: "5.1.2600-Windows NT/2000/XP"
  /// Read-only: the letters of the drives present: "A", "C", ...
  Property<System, StringList> drives;  // read-only: "A", "C", ...
  /// Read-only: each drive's kind, in the order of `drives`: "Removable", "Fixed", ...
  Property<System, StringList> driveTypes;  // read-only: "Removable", "Fixed", ...

  /// What writing `computerName` or `currentDirectory` does, with the system's
  /// answer (true on success), which the property drops.
  bool setComputerName(const String& name);
  /// Sets the process's current folder; true on success.
  bool setCurrentDirectory(const String& path);

  /// Sets the environment variable `name` of this process to `value`; false when the system
  /// refuses, and for a name or value over 32766 characters.
  bool setEnv(const String& name, const String& value);
  /// The variable's value; "TRN_ERROR" for a missing or empty variable.
  String getEnv(const String& name) const;

  /// End the session after enabling the shutdown privilege; false (and nothing
  /// done) when the privilege cannot be enabled. `force` closes programs
  /// without asking them.
  bool shutdown(bool force);
  /// Restarts the machine, as shutdown() ends the session.
  bool restart(bool force);
  /// Logs the user off, as shutdown() ends the session.
  bool logOff(bool force);

 private:
  unsigned getUptime() const;
  String getWindowsDirectory() const;
  String getSystemDirectory() const;
  String getSystemDrive() const;
  String getComputerName() const;
  void putComputerName(String name);
  String getCurrentDirectory() const;
  void putCurrentDirectory(String path);
  String getUserName() const;
  String getOsVersion() const;
  StringList getDrives() const;
  StringList getDriveTypes() const;
};

/// Opens `file` through the shell ("open" verb, shown normally) with
/// `parameters`. Returns the shell's instance value: above 32 on success, an
/// error code of 32 or less otherwise.
INT_PTR run(const String& file, const String& parameters, HWND window = NULL);

/// Starts a program as WinExec(commandLine, showState) does (the same search for
/// the program, command line, show state and results) without holding up the
/// caller's messages while the program gets ready. The process is created on
/// the calling thread; the wait for the program's first wait for input (at most
/// 30 s, as WinExec waits) runs on a worker thread (on the calling thread only
/// when no thread can be started), which then posts `message` to `window` (to
/// the calling thread's queue when `window` is 0) with the result in wParam.
/// Returns the result at once: 33 when the process was created (the message
/// follows when the program is ready, has ended or the wait ran out), otherwise
/// WinExec's error code below 32, posted at once too. Exactly one message is
/// posted for every call.
unsigned startProgram(const String& commandLine, int showState, HWND window, UINT message);

/// True when the file can be opened for reading; false for a missing or
/// unreadable file and for a directory.
bool fileExists(const String& path);

/// Plays the program's own "WAVE" resource `resourceId` (low 16 bits) and
/// returns when it has finished; false when there is no such resource or it
/// could not be played. No default sound is played in its place.
bool playWaveResource(int resourceId);

}  // namespace tarn

#endif  // TARN_SYSTEM_H
