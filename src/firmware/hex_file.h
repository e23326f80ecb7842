#pragma once
// One node of a record list: doubly linked, numbered from 1, each node owning
// its successor. Lists are read and freed iteratively, so their length never
// becomes stack depth.

#include <cstdint>
#include <memory>
#include <string>

#include "firmware/archive.h"
#include "firmware/hex_rec.h"

// Told about the progress of a list being read (the document during a load).
class OVLoadListener {
 public:
  virtual ~OVLoadListener() = default;
  virtual void OnRecordLoaded(OVArchive& ar) = 0;
  // The list's end-of-file record was read; lastIndex is its number.
  virtual void OnListComplete(int32_t lastIndex) = 0;
};

class OVHexFile {
 public:
  OVHexFile() = default;
  ~OVHexFile();
  OVHexFile(const OVHexFile&) = delete;
  OVHexFile& operator=(const OVHexFile&) = delete;
  // Nodes come from a pool (node_pool.h): a list is one allocation per record otherwise.
  static void* operator new(size_t size);
  static void operator delete(void* node, size_t size) noexcept;

  void MarkFirst() { m_nIndex = 1; }
  // Reads this node's record and every following one up to the first
  // end-of-file record. Throws OVArchiveEndOfFile when the stream ends first.
  void Serialize(OVArchive& ar, OVLoadListener* listener = nullptr);

  OVHexFile* GetNext() const { return m_pNext.get(); }
  const OVHexRec* GetRecord() const { return &m_rec; }
  OVHexRec* GetRecord() { return &m_rec; }
  bool IsChecksumValid() const { return m_rec.IsChecksumValid(); }
  // The node numbered n, walking from this one; nullptr when n is not in the list.
  OVHexFile* FindRecord(int32_t n);
  OVHexFile* GetRecordText(std::string& text) const;
  // Appends node as the successor of this (last) node, numbered after it.
  OVHexFile* Append(std::unique_ptr<OVHexFile> node);

  int32_t m_nIndex = 0;
  OVHexFile* m_pPrev = nullptr;
  OVHexRec m_rec;
  std::unique_ptr<OVHexFile> m_pNext;

  // The numbering carried from node to node while one list is read.
  static thread_local OVHexFile* s_pLastRead;
  static thread_local int32_t s_nLastIndex;
};
