// A character tree of marker strings: finds the leftmost, then longest, registered string.
#pragma once

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

// Bytes are compared as they are (signed char order among siblings); case always matters.
// Adding a string again replaces its value. The empty string can be added but never found.
template <class Value> class MarkerTrie {
public:
  MarkerTrie();
  ~MarkerTrie();
  MarkerTrie(const MarkerTrie&) = delete;
  MarkerTrie& operator=(const MarkerTrie&) = delete;

  void Clear();
  void Add(const std::string& s, Value value);
  // The first position p >= pos of text[0, length) at which a registered string starts; the
  // longest string there gives [start, end) and its value. False when there is none.
  bool Find(const char* text, int length, int pos, Value& value, int& start, int& end) const;
  // The longest registered string starting exactly at pos: its length (0 when none).
  int LongestAt(const char* text, int length, int pos, Value& value) const;

private:
  struct Child {
    signed char Char;
    int Node;  // index into Nodes
  };
  struct Node {
    Value Item{};
    bool Terminal = false;
    std::vector<Child> Children;  // sorted by Char, signed
  };

  // The index of the child of node with character c, or -1.
  int ChildOf(int node, signed char c) const;
  // Creates the child of node for c at its sorted place and returns its index.
  int AddChild(int node, signed char c);

  // Node 0 is the root; it may be terminal (the empty string) but is never a match.
  std::vector<Node> Nodes;
  // The root's child for each byte (-1: no string starts with it): most positions of a line
  // are rejected or entered with one look-up.
  int RootChildren[256];
};

template <class Value> MarkerTrie<Value>::MarkerTrie() { Clear(); }

template <class Value> MarkerTrie<Value>::~MarkerTrie() = default;

template <class Value> void MarkerTrie<Value>::Clear() {
  Nodes.assign(1, Node());
  Nodes[0].Terminal = true;
  std::fill(std::begin(RootChildren), std::end(RootChildren), -1);
}

template <class Value> int MarkerTrie<Value>::ChildOf(int node, signed char c) const {
  if (node == 0) return RootChildren[static_cast<unsigned char>(c)];
  const std::vector<Child>& children = Nodes[static_cast<std::size_t>(node)].Children;
  std::size_t low = 0;
  std::size_t high = children.size();
  while (low < high) {
    const std::size_t mid = (low + high) / 2;
    if (children[mid].Char < c) low = mid + 1;
    else high = mid;
  }
  return low < children.size() && children[low].Char == c ? children[low].Node : -1;
}

template <class Value> int MarkerTrie<Value>::AddChild(int node, signed char c) {
  const int index = static_cast<int>(Nodes.size());
  Nodes.emplace_back();
  std::vector<Child>& children = Nodes[static_cast<std::size_t>(node)].Children;
  auto place = children.begin();
  while (place != children.end() && place->Char <= c) ++place;
  children.insert(place, Child{c, index});
  if (node == 0) RootChildren[static_cast<unsigned char>(c)] = index;
  return index;
}

template <class Value> void MarkerTrie<Value>::Add(const std::string& s, Value value) {
  int node = 0;
  for (const char c : s) {
    const signed char key = static_cast<signed char>(c);
    const int next = ChildOf(node, key);
    node = next >= 0 ? next : AddChild(node, key);
  }
  Node& last = Nodes[static_cast<std::size_t>(node)];
  last.Item = value;
  last.Terminal = true;
}

template <class Value>
int MarkerTrie<Value>::LongestAt(const char* text, int length, int pos, Value& value) const {
  int node = 0;
  int depth = 0;
  for (int i = pos; i < length; ++i) {
    node = ChildOf(node, static_cast<signed char>(text[i]));
    if (node < 0) break;
    const Node& passed = Nodes[static_cast<std::size_t>(node)];
    if (passed.Terminal) {
      depth = i - pos + 1;
      value = passed.Item;
    }
    if (passed.Children.empty()) break;
  }
  return depth;
}

template <class Value>
bool MarkerTrie<Value>::Find(const char* text, int length, int pos, Value& value, int& start, int& end) const {
  for (int p = pos < 0 ? 0 : pos; p < length; ++p) {
    if (RootChildren[static_cast<unsigned char>(text[p])] < 0) continue;
    const int depth = LongestAt(text, length, p, value);
    if (depth > 0) {
      start = p;
      end = p + depth;
      return true;
    }
  }
  return false;
}
