#include "message.h"

Message &Message::name(std::string text)
{
    m_arguments.push_back({Argument::Kind::Name, std::move(text), 0, {}});
    return *this;
}

Message &Message::number(long long value)
{
    m_arguments.push_back({Argument::Kind::Number, {}, value, {}});
    return *this;
}

Message &Message::nested(Message inner)
{
    m_arguments.push_back({Argument::Kind::Nested, {}, 0, {std::move(inner)}});
    return *this;
}

Message &Message::count(long long n, const char *englishSingular)
{
    m_count = n;
    m_singular = englishSingular;
    return *this;
}

Message Message::about(std::string subject, Message reason)
{
    return Message(CORE_WORDING("CoreMessages", "%1: %2")).name(std::move(subject)).nested(std::move(reason));
}

Message Message::joined(Message first, Message second)
{
    if (first.empty())
        return second;
    if (second.empty())
        return first;
    return Message(CORE_WORDING("CoreMessages", "%1; %2")).nested(std::move(first)).nested(std::move(second));
}

Message Message::list(const std::vector<std::string> &names, std::size_t shown)
{
    // The names shown as one: they need no joining of their own in any language.
    std::string text;
    for (std::size_t k = 0; k < names.size() && k < shown; ++k)
        text += (k ? ", " : "") + names[k];
    return cutShort(Message("%1").name(std::move(text)), names.size(), shown);
}

Message Message::list(const std::vector<Message> &items, std::size_t shown)
{
    Message listed;
    for (std::size_t k = 0; k < items.size() && k < shown; ++k)
        listed = k == 0 ? items[k] : Message(CORE_WORDING("CoreMessages", "%1, %2")).nested(std::move(listed)).nested(items[k]);
    return cutShort(std::move(listed), items.size(), shown);
}

Message Message::cutShort(Message listed, std::size_t total, std::size_t shown)
{
    if (total <= shown)
        return listed;
    const char *cut = CORE_COUNTED_WORDING("CoreMessages", "%1 \u2026 and %n more");
    return Message(cut).nested(std::move(listed)).count(static_cast<long long>(total - shown), cut);
}

Message Message::systemError(long long code, std::string systemText)
{
    if (systemText.empty())
        return Message(CORE_WORDING("CoreMessages", "error code %1")).number(code);
    Message said = Message(CORE_WORDING("CoreMessages", "error code %1 (%2)")).number(code).name(std::move(systemText));
    said.m_systemError = code;
    return said;
}

std::string Message::english() const
{
    if (!m_wording)
        return m_english;
    const std::string text = m_singular && m_count == 1 ? m_singular : m_wording;
    std::string filled;
    // One pass, so that an argument holding "%2" stays as it is.
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char next = at + 1 < text.size() && text[at] == '%' ? text[at + 1] : '\0';
        const std::size_t k = next >= '1' && next <= '9' ? std::size_t(next - '1') : m_arguments.size();
        if (next == 'n' && m_singular) {
            filled += std::to_string(m_count);
            ++at;
        } else if (k < m_arguments.size()) {
            const Argument &argument = m_arguments[k];
            filled += argument.kind == Argument::Kind::Name     ? argument.name
                      : argument.kind == Argument::Kind::Number ? std::to_string(argument.number)
                                                                : argument.nested.front().english();
            ++at;
        } else {
            filled += text[at];
        }
    }
    return filled;
}
