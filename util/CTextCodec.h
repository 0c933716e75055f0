#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// The one place where text crosses between the core's UTF-8 and the CP932
// (Windows Japanese) bytes of the remote controller's model text, the .dat
// file and the CSV output. Owns two iconv descriptors; an instance is not
// thread-safe, so each thread (or each job) keeps its own.
//
// Result codes of the conversions:
//   kOk              converted; `out` holds the whole text
//   kUnrepresentable the UTF-8 text holds a character CP932 has no code for
//   kInvalidInput    the input is not well-formed in its encoding (a broken or
//                    truncated sequence)
//   kUnavailable     the system's iconv has no CP932 converter
// On any failure `out` is left empty, so half a text is never used.
class CTextCodec {
public:
    static constexpr int32_t kOk = 0;
    static constexpr int32_t kUnrepresentable = 1;
    static constexpr int32_t kInvalidInput = 2;
    static constexpr int32_t kUnavailable = 3;

    CTextCodec();
    ~CTextCodec();
    CTextCodec(const CTextCodec&) = delete;
    CTextCodec& operator=(const CTextCodec&) = delete;

    bool IsAvailable() const;

    int32_t Utf8ToCp932(std::string_view utf8, std::string& out);
    int32_t Cp932ToUtf8(std::string_view cp932, std::string& out);

    // One-shot forms for callers that convert a single text.
    static int32_t ToCp932(std::string_view utf8, std::string& out);
    static int32_t ToUtf8(std::string_view cp932, std::string& out);

private:
    class Descriptor;
    std::unique_ptr<Descriptor> m_toCp932;
    std::unique_ptr<Descriptor> m_toUtf8;
};
