#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// Marks a wording of the program's own for the translators: lupdate reads it as
// QT_TRANSLATE_NOOP (see src/ui/CMakeLists.txt), so the window finds its translation under that
// context. The core itself only ever uses the English text.
#define CORE_WORDING(context, text) text
// The same for a wording with a count (%n), which is translated in each plural form of a language.
#define CORE_COUNTED_WORDING(context, text) text

// What the program says, built as a value: a wording (a constant English text with %1, %2, ...
// where its arguments go, and %n for the count that picks its plural form) and the arguments:
// names shown as they are, numbers, and messages of their own. The window says it in the user's
// language; english() is the text the command line shows and what() of an error holds.
class Message {
public:
    struct Argument {
        enum class Kind { Name, Number, Nested };
        Kind kind = Kind::Name;
        std::string name;
        long long number = 0;
        std::vector<Message> nested; // the one message of a Nested argument
    };

    Message() = default;
    // A constant wording, filled in by the arguments added next.
    Message(const char *wording) : m_wording(wording) {}
    // English made elsewhere (a library's own text): shown as it stands, in every language.
    Message(std::string english) : m_english(std::move(english)) {}

    // A name (a file, a mod, an archive entry): never translated, never read for wordings.
    Message &name(std::string text);
    Message &number(long long value);
    Message &nested(Message inner);
    // The count that %n stands for; englishSingular is the English wording for a count of one.
    Message &count(long long n, const char *englishSingular);

    // "%1: %2", a reason and what it belongs to; "%1; %2", two reasons of one failure.
    static Message about(std::string subject, Message reason);
    static Message joined(Message first, Message second);
    // names as a list of at most shown of them, the rest counted: "a, b, c … and 12 more".
    static Message list(const std::vector<std::string> &names, std::size_t shown);
    static Message list(const std::vector<Message> &items, std::size_t shown);
    // A system error with no wording of its own: "error code 5 (<the system's text>)". The
    // window asks the system for the text in its own language, or leaves it out.
    static Message systemError(long long code, std::string systemText);

    bool empty() const { return !m_wording && m_english.empty(); }
    // The wording, or null for English made elsewhere.
    const char *wording() const { return m_wording; }
    const char *englishSingular() const { return m_singular; }
    const std::vector<Argument> &arguments() const { return m_arguments; }
    bool counted() const { return m_singular != nullptr; }
    long long countValue() const { return m_count; }
    // The system error this is (systemError()), or 0.
    long long systemErrorCode() const { return m_systemError; }

    std::string english() const;

private:
    // listed, the first shown of total items, followed by how many more there are.
    static Message cutShort(Message listed, std::size_t total, std::size_t shown);

    const char *m_wording = nullptr;
    std::string m_english;
    std::vector<Argument> m_arguments;
    const char *m_singular = nullptr;
    long long m_count = 0;
    long long m_systemError = 0;
};

// A failure that belongs to no one file (GameFileError names its file): why() says it, and
// what() the same in English.
class MessageError : public std::runtime_error {
public:
    explicit MessageError(Message why) : std::runtime_error(why.english()), m_why(std::move(why)) {}
    const Message &why() const { return m_why; }

private:
    Message m_why;
};
