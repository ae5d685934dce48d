// Tests of the document string and its line table.
#include "editor/view/TextBuffer.h"

#include "editor/view/LineRecord.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// Counts the records alive, so that a leaked or early released reference shows.
int LiveRecords = 0;

class CountedRecord : public LineRecord {
public:
  CountedRecord() { ++LiveRecords; }
  ~CountedRecord() override { --LiveRecords; }
};

// What the buffer should hold, worked out from scratch from a plain string.
struct NaiveDocument {
  std::string Text;
  std::vector<int> Widths{-1};
  std::vector<int> EndStates{-1};
  std::vector<LineRecord*> Records{nullptr};

  std::vector<int> Starts() const {
    std::vector<int> starts{0};
    for (size_t i = 0; i < Text.size(); ++i)
      if (Text[i] == '\n' || Text[i] == '\r') starts.push_back(static_cast<int>(i) + 1);
    return starts;
  }
  int Count(int from, int to, char c) const {
    return static_cast<int>(std::count(Text.begin() + from, Text.begin() + to, c));
  }
  int Breaks(int from, int to) const { return Count(from, to, '\n') + Count(from, to, '\r'); }
  int LineOf(int pos) const { return Breaks(0, pos); }
  int Unwrapped(int pos) const { return pos - Count(0, pos, '\r'); }

  // The line where the edit starts keeps its entry; those of removed breaks go, and each
  // new break adds an empty entry after it.
  void Replace(int pos, int length, const std::string& text) {
    if (length == 0 && text.empty()) return;
    int line = LineOf(pos);
    int removed = Breaks(pos, pos + length);
    int added = static_cast<int>(std::count(text.begin(), text.end(), '\n') +
                                 std::count(text.begin(), text.end(), '\r'));
    Widths.erase(Widths.begin() + line + 1, Widths.begin() + line + 1 + removed);
    EndStates.erase(EndStates.begin() + line + 1, EndStates.begin() + line + 1 + removed);
    Records.erase(Records.begin() + line + 1, Records.begin() + line + 1 + removed);
    Widths.insert(Widths.begin() + line + 1, static_cast<size_t>(added), -1);
    EndStates.insert(EndStates.begin() + line + 1, static_cast<size_t>(added), -1);
    Records.insert(Records.begin() + line + 1, static_cast<size_t>(added), nullptr);
    Widths[static_cast<size_t>(line)] = -1;
    EndStates[static_cast<size_t>(line)] = -1;
    Text.replace(static_cast<size_t>(pos), static_cast<size_t>(length), text);
  }
};

void ExpectLinesMatch(const TextBuffer& buffer, const NaiveDocument& model) {
  std::vector<int> starts = model.Starts();
  int lines = static_cast<int>(starts.size());
  int length = static_cast<int>(model.Text.size());
  ASSERT_EQ(model.Text, buffer.Text());
  ASSERT_EQ(length, buffer.Length());
  ASSERT_EQ(lines, buffer.LineCount());
  ASSERT_EQ(model.Count(0, length, '\n') + 1, buffer.HardLineCount());
  for (int line = 0; line < lines; ++line) {
    int start = starts[static_cast<size_t>(line)];
    int end = line + 1 < lines ? starts[static_cast<size_t>(line) + 1] - 1 : length;
    int hard = model.Count(0, start, '\n');
    ASSERT_EQ(start, buffer.LineStart(line)) << "line " << line;
    ASSERT_EQ(end, buffer.LineEnd(line)) << "line " << line;
    ASSERT_EQ(end - start, buffer.LineLength(line)) << "line " << line;
    ASSERT_EQ(hard, buffer.HardLineOfLine(line)) << "line " << line;
    ASSERT_EQ(end < length && model.Text[static_cast<size_t>(end)] == '\r',
              buffer.EndsWithSoftBreak(line))
        << "line " << line;
    if (line == 0 || model.Text[static_cast<size_t>(start) - 1] == '\n') {
      ASSERT_EQ(line, buffer.LineOfHardLine(hard)) << "line " << line;
    }

    size_t lf = model.Text.rfind('\n', static_cast<size_t>(start) - 1);
    int hardStart = start == 0 || lf == std::string::npos ? 0 : static_cast<int>(lf) + 1;
    size_t next = model.Text.find('\n', static_cast<size_t>(start));
    int hardEnd = next == std::string::npos ? length : static_cast<int>(next);
    HardLineSpanResult span = buffer.HardLineSpan(line);
    ASSERT_EQ(hardStart, span.Start) << "line " << line;
    ASSERT_EQ(hardEnd, span.End) << "line " << line;
    ASSERT_EQ(model.LineOf(hardEnd), span.LastLine) << "line " << line;

    ASSERT_EQ(model.Widths[static_cast<size_t>(line)], buffer.Width(line)) << "line " << line;
    ASSERT_EQ(model.EndStates[static_cast<size_t>(line)], buffer.EndState(line)) << "line " << line;
    ASSERT_EQ(model.Records[static_cast<size_t>(line)], buffer.Record(line)) << "line " << line;
  }
}

void ExpectPositionsMatch(const TextBuffer& buffer, const NaiveDocument& model) {
  int length = static_cast<int>(model.Text.size());
  for (int pos = 0; pos <= length; ++pos) {
    ASSERT_EQ(model.LineOf(pos), buffer.LineFromPosition(pos)) << "pos " << pos;
    ASSERT_EQ(model.Count(0, pos, '\r'), buffer.SoftBreaksBefore(pos)) << "pos " << pos;
    ASSERT_EQ(model.Unwrapped(pos), buffer.UnwrappedPosition(pos)) << "pos " << pos;
  }
  for (int u = 0; u <= model.Unwrapped(length); ++u) {
    int last = length;
    while (model.Unwrapped(last) > u) --last;
    ASSERT_EQ(last, buffer.WrappedPosition(u)) << "unwrapped " << u;
  }
}

std::string RandomText(std::mt19937& random, int maxLength) {
  static const char alphabet[] = "ab\n\r";
  std::string text(random() % static_cast<unsigned>(maxLength + 1), 'x');
  for (char& c : text) c = alphabet[random() % 4];
  return text;
}

}  // namespace

TEST(TextBufferTest, ANewBufferHasOneEmptyLine) {
  TextBuffer buffer;
  EXPECT_EQ(0, buffer.Length());
  EXPECT_EQ(1, buffer.LineCount());
  EXPECT_EQ(1, buffer.HardLineCount());
  EXPECT_EQ(0, buffer.LineStart(0));
  EXPECT_EQ(0, buffer.LineLength(0));
  EXPECT_EQ(0, buffer.LineFromPosition(0));
  EXPECT_EQ(-1, buffer.Width(0));
  EXPECT_EQ(nullptr, buffer.Record(0));
  for (int style : {0, 1, 2}) EXPECT_EQ("", buffer.GetText(style));
}

TEST(TextBufferTest, APositionAtABreakBelongsToTheLineBeforeIt) {
  TextBuffer buffer;
  buffer.Insert(0, "a\nb");
  EXPECT_EQ(2, buffer.LineCount());
  EXPECT_EQ(2, buffer.LineStart(1));
  EXPECT_EQ(1, buffer.LineLength(0));
  EXPECT_EQ(0, buffer.LineFromPosition(1));
  EXPECT_EQ(1, buffer.LineFromPosition(2));
  EXPECT_EQ(1, buffer.LineFromPosition(3));
}

TEST(TextBufferTest, InsertingAndRemovingBreaksChangesTheLineCount) {
  TextBuffer buffer;
  buffer.Insert(0, "a");
  buffer.Insert(1, "x\ny\n");
  EXPECT_EQ(3, buffer.LineCount());
  EXPECT_EQ(5, buffer.LineStart(2));
  EXPECT_EQ(0, buffer.LineLength(2));
  buffer.Delete(1, 4);
  EXPECT_EQ(1, buffer.LineCount());
  EXPECT_EQ("a", buffer.Text());
}

TEST(TextBufferTest, CharAtAndSubstringStayInsideTheDocument) {
  TextBuffer buffer;
  buffer.Insert(0, "hello");
  EXPECT_EQ('h', buffer.CharAt(0));
  EXPECT_EQ(0, buffer.CharAt(-1));
  EXPECT_EQ(0, buffer.CharAt(5));
  EXPECT_EQ("ell", buffer.Substring(1, 3));
  EXPECT_EQ("lo", buffer.Substring(3, 100));
  EXPECT_EQ("he", buffer.Substring(-4, 2));
  EXPECT_EQ("", buffer.Substring(5, 3));
  buffer.Delete(3, 100);
  EXPECT_EQ("hel", buffer.Text());
  buffer.Insert(99, "p");
  EXPECT_EQ("help", buffer.Text());
}

TEST(TextBufferTest, CharactersOtherThanBreaksArePlain) {
  TextBuffer buffer;
  std::string all;
  for (int c = 1; c < 256; ++c)
    if (c != '\n' && c != '\r') all += static_cast<char>(c);
  buffer.Insert(0, all);
  EXPECT_EQ(1, buffer.LineCount());
  EXPECT_EQ(static_cast<char>(255), buffer.CharAt(buffer.Length() - 1));
}

TEST(TextBufferTest, SoftBreaksSplitDisplayLinesButNotHardLines) {
  TextBuffer buffer;
  buffer.Insert(0, "ab\rcd\ref\ngh");
  EXPECT_EQ(4, buffer.LineCount());
  EXPECT_EQ(2, buffer.HardLineCount());
  EXPECT_TRUE(buffer.EndsWithSoftBreak(0));
  EXPECT_FALSE(buffer.EndsWithSoftBreak(2));
  EXPECT_EQ(0, buffer.HardLineOfLine(2));
  EXPECT_EQ(1, buffer.HardLineOfLine(3));
  EXPECT_EQ(3, buffer.LineOfHardLine(1));
  EXPECT_EQ(3, buffer.LineOfHardLine(7));  // clamped to the last hard line
  HardLineSpanResult span = buffer.HardLineSpan(1);
  EXPECT_EQ(0, span.Start);
  EXPECT_EQ(8, span.End);
  EXPECT_EQ(2, span.LastLine);
  EXPECT_EQ(2, buffer.CountBreaks(1, 6));
  EXPECT_EQ(2, buffer.SoftBreaksBefore(7));
  EXPECT_EQ(5, buffer.UnwrappedPosition(7));
}

TEST(TextBufferTest, WrappedPositionMapsBehindASoftBreak) {
  TextBuffer buffer;
  buffer.Insert(0, "ab\rcd");
  EXPECT_EQ(3, buffer.WrappedPosition(2));  // the start of the next line, not the end of "ab"
  EXPECT_EQ(1, buffer.WrappedPosition(1));
  EXPECT_EQ(5, buffer.WrappedPosition(4));
  EXPECT_EQ(5, buffer.WrappedPosition(40));
  EXPECT_EQ(0, buffer.WrappedPosition(-3));
  buffer.Insert(3, "\r\r");  // empty soft-wrapped lines share one unwrapped position
  EXPECT_EQ(5, buffer.WrappedPosition(2));
}

TEST(TextBufferTest, GetTextDropsSoftBreaksAndConvertsLineFeeds) {
  TextBuffer buffer;
  buffer.Insert(0, "ab\rc\n\nd\re\n");
  EXPECT_EQ("abc\r\n\r\nde\r\n", buffer.GetText(0));
  EXPECT_EQ("abc\r\rde\r", buffer.GetText(1));
  EXPECT_EQ("abc\n\nde\n", buffer.GetText(2));
  EXPECT_EQ("ab\rc\n\nd\re\n", buffer.Text());
}

TEST(TextBufferTest, EditsResetTheirLineAndMoveTheOthers) {
  TextBuffer buffer;
  buffer.Insert(0, "one\ntwo\nthree\nfour");
  for (int line = 0; line < 4; ++line) buffer.SetWidth(line, 10 + line);
  buffer.Insert(5, "X\nY");  // inside "two"
  EXPECT_EQ(5, buffer.LineCount());
  EXPECT_EQ((std::vector<int>{10, -1, -1, 12, 13}),
            (std::vector<int>{buffer.Width(0), buffer.Width(1), buffer.Width(2), buffer.Width(3),
                              buffer.Width(4)}));
  EXPECT_EQ(2, buffer.HardLineOfLine(2));
  EXPECT_EQ(3, buffer.HardLineOfLine(3));
  EXPECT_EQ(11, buffer.LineStart(3));
  buffer.SetWidth(1, 21);
  buffer.Delete(2, 12);  // from "one" into "three"
  EXPECT_EQ("onee\nfour", buffer.Text());
  EXPECT_EQ(2, buffer.LineCount());
  EXPECT_EQ(-1, buffer.Width(0));
  EXPECT_EQ(13, buffer.Width(1));
  EXPECT_EQ(1, buffer.HardLineOfLine(1));
}

TEST(TextBufferTest, RecordsAreResetReleasedAndMoved) {
  {
    TextBuffer buffer;
    buffer.Insert(0, "a\nb\nc\nd");
    CountedRecord* records[4];
    for (int line = 0; line < 4; ++line) {
      records[line] = new CountedRecord;
      records[line]->ChunkStartsValid = true;
      buffer.SetRecord(line, records[line]);
    }
    EXPECT_EQ(4, LiveRecords);
    RefPtr<LineRecord> held(records[2]);  // someone still looks at line 2
    buffer.Delete(1, 4);                  // "a" + "d": lines 1 and 2 go
    EXPECT_EQ(3, LiveRecords);
    EXPECT_EQ(records[0], buffer.Record(0));
    EXPECT_FALSE(records[0]->ChunkStartsValid);
    EXPECT_EQ(records[3], buffer.Record(1));
    EXPECT_TRUE(records[3]->ChunkStartsValid);
    EXPECT_EQ(1, held->RefCount());
    held = RefPtr<LineRecord>();
    EXPECT_EQ(2, LiveRecords);

    buffer.SetRecord(1, records[3]);  // the same record again stays alive
    EXPECT_EQ(records[3], buffer.Record(1));
    EXPECT_EQ(1, records[3]->RefCount());
    buffer.SetRecord(1, nullptr);
    EXPECT_EQ(1, LiveRecords);
    buffer.SetRecord(5, new CountedRecord);  // no such line: dropped at once
    EXPECT_EQ(1, LiveRecords);
    EXPECT_EQ(nullptr, buffer.Record(5));
    buffer.SetRecord(1, new CountedRecord);
  }
  EXPECT_EQ(0, LiveRecords);  // the buffer released the rest
}

TEST(TextBufferTest, ABigInsertIsCountedInOnePiece) {
  std::string text;
  for (int line = 0; line < 200000; ++line) text += line % 7 == 3 ? "wrapped\r" : "some text\n";
  TextBuffer buffer;
  buffer.Insert(0, "head");
  buffer.Insert(2, text);
  int hardBreaks = static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  EXPECT_EQ(200001, buffer.LineCount());
  EXPECT_EQ(hardBreaks + 1, buffer.HardLineCount());
  EXPECT_EQ(2 + static_cast<int>(text.size()), buffer.LineStart(200000));
  EXPECT_EQ("ad", buffer.Substring(buffer.LineStart(200000), 2));
  EXPECT_EQ(200000 - hardBreaks, buffer.SoftBreaksBefore(buffer.Length()));
  EXPECT_EQ(200000, buffer.CountBreaks(0, buffer.Length()));
  buffer.Delete(2, static_cast<int>(text.size()));
  EXPECT_EQ("head", buffer.Text());
  EXPECT_EQ(1, buffer.LineCount());
}

TEST(TextBufferTest, RandomEditsMatchANaiveDocument) {
  std::mt19937 random(20240531);
  int liveBefore = LiveRecords;
  {
    TextBuffer buffer;
    NaiveDocument model;
    for (int step = 0; step < 3000; ++step) {
      int length = buffer.Length();
      int lines = buffer.LineCount();
      int pos = static_cast<int>(random() % static_cast<unsigned>(length + 1));
      for (int k = 0; k < 2; ++k) {  // per-line data that must travel with its line
        int line = static_cast<int>(random() % static_cast<unsigned>(lines));
        buffer.SetWidth(line, step);
        model.Widths[static_cast<size_t>(line)] = step;
        buffer.SetEndState(line, step % 5);
        model.EndStates[static_cast<size_t>(line)] = step % 5;
        LineRecord* record = random() % 3 == 0 ? nullptr : new CountedRecord;
        buffer.SetRecord(line, record);
        model.Records[static_cast<size_t>(line)] = record;
      }
      for (LineRecord* record : model.Records)
        if (record) record->ChunkStartsValid = true;
      int editedLine = model.LineOf(pos);
      bool edits;
      if (random() % 2 == 0 || length == 0) {
        std::string text = RandomText(random, random() % 10 == 0 ? 40 : 6);
        edits = !text.empty();
        buffer.Insert(pos, text);
        model.Replace(pos, 0, text);
      } else {
        int count = static_cast<int>(random() % static_cast<unsigned>(std::min(length - pos, 12) + 1));
        edits = count > 0;
        buffer.Delete(pos, count);
        model.Replace(pos, count, "");
      }
      ASSERT_NO_FATAL_FAILURE(ExpectLinesMatch(buffer, model)) << "step " << step;
      int owned = 0;
      for (size_t line = 0; line < model.Records.size(); ++line) {
        if (!model.Records[line]) continue;
        ++owned;
        bool reset = edits && static_cast<int>(line) == editedLine;
        ASSERT_EQ(!reset, model.Records[line]->ChunkStartsValid) << "step " << step;
      }
      ASSERT_EQ(liveBefore + owned, LiveRecords) << "step " << step;
      if (step % 10 == 0) {
        ASSERT_NO_FATAL_FAILURE(ExpectPositionsMatch(buffer, model)) << "step " << step;
        int from = static_cast<int>(random() % static_cast<unsigned>(buffer.Length() + 1));
        int count = static_cast<int>(random() % 30);
        int to = std::min(from + count, buffer.Length());
        ASSERT_EQ(model.Breaks(from, to), buffer.CountBreaks(from, count)) << "step " << step;
        std::string noSoft;
        for (char c : model.Text)
          if (c != '\r') noSoft += c;
        ASSERT_EQ(noSoft, buffer.GetText(2)) << "step " << step;
      }
    }
  }
  EXPECT_EQ(liveBefore, LiveRecords);
}
