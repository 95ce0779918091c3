#include "box/box_core.h"

#include "chips/chip_catalogue.h"

namespace {

using namespace Protocol;

constexpr quint8 DefaultWrongCode = 0xEE;
constexpr int DefaultGarbage = 10;

bool carriesAddress(quint8 command) {
    return command == BlockRead || command == BlockWrite;
}

}  // namespace

BoxCore::BoxCore() {
    for (int code = 0; code < ChipCatalogue::ModelCount; ++code)
        chips_[code] = QByteArray(ChipCatalogue::model(code).capacity, char(0xFF));
}

QByteArray &BoxCore::chip(int code) {
    return chips_.at(size_t(code));
}

const QByteArray &BoxCore::chip(int code) const {
    return chips_.at(size_t(code));
}

void BoxCore::stopAnsweringAfter(int exchanges) {
    answerLimit_ = exchanges < 0 ? -1 : frameCount_ + exchanges;
}

void BoxCore::setWireTiming(bool on, int baud, int writeCycleMicros) {
    wireTiming_ = on;
    baud_ = baud > 0 ? baud : 57600;
    writeCycleMicros_ = qMax(0, writeCycleMicros);
}

qint64 BoxCore::transferMicros(int bytes, int baud) {
    const qint64 bits = qint64(bytes) * 10 * 1000000;
    return (bits + baud / 2) / baud;
}

QByteArray BoxCore::demoPattern(int code) {
    const int capacity = ChipCatalogue::model(code).capacity;
    const QByteArray label = (ChipCatalogue::name(code) + " EEPROM").toLatin1().leftJustified(14);
    QByteArray pattern;
    pattern.reserve(capacity);
    for (int row = 0; row < capacity; row += 16) {
        pattern.append(char(row >> 8));
        pattern.append(char(row & 0xFF));
        pattern.append(label);
    }
    pattern.truncate(capacity);
    return pattern;
}

QList<BoxCore::Outgoing> BoxCore::receive(const QByteArray &bytes) {
    QList<Outgoing> replies;
    partial_.append(bytes);
    qsizetype used = 0;
    while (partial_.size() - used >= FrameSize) {
        Outgoing out;
        if (handle(partial_.mid(used, FrameSize), out))
            replies.append(out);
        used += FrameSize;
    }
    partial_.remove(0, used);
    return replies;
}

int BoxCore::blockOf(const QByteArray &frame) const {
    const int address = frameAddress(frame);
    return ChipCatalogue::isMicrowire(model_) ? address / 4 : address / 8;
}

qint64 BoxCore::byteOffset(const QByteArray &frame) const {
    const qint64 address = frameAddress(frame);
    return ChipCatalogue::isMicrowire(model_) ? address * 2 : address;
}

bool BoxCore::handle(const QByteArray &frame, Outgoing &out) {
    frames_.append(frame);
    ++frameCount_;
    if (pulled_ || (answerLimit_ >= 0 && frameCount_ > answerLimit_))
        return false;
    const quint8 command = quint8(frame[0]);
    // The box ignores codes it does not know.
    if (!expectedReply(command))
        return false;

    // Pick the faults before doing the work: a refused command has no effect.
    QList<BoxFault> active;
    for (auto it = faults_.begin(); it != faults_.end();) {
        const bool matches =
            (it->command < 0 || it->command == command) &&
            (it->block < 0 || (carriesAddress(command) && it->block == blockOf(frame)));
        if (!matches) {
            ++it;
            continue;
        }
        active.append(*it);
        if (it->remaining > 0 && --it->remaining == 0)
            it = faults_.erase(it);
        else
            ++it;
    }
    bool refused = false;
    bool unwritten = false;
    for (const BoxFault &fault : active) {
        refused = refused || fault.kind == BoxFault::Kind::WrongCode;
        unwritten = unwritten || fault.kind == BoxFault::Kind::NoWrite;
    }

    QByteArray reply = answer(frame, !refused && !unwritten);
    qint64 extraMicros = 0;
    bool lost = false;
    for (const BoxFault &fault : active) {
        switch (fault.kind) {
            case BoxFault::Kind::NoReply:
                lost = true;
                break;
            case BoxFault::Kind::Pull:
                pulled_ = lost = true;
                break;
            case BoxFault::Kind::Kill:
                kill_ = lost = true;
                break;
            case BoxFault::Kind::NoWrite:
                break;
            case BoxFault::Kind::WrongCode:
                reply[0] = char(fault.value ? fault.value : DefaultWrongCode);
                break;
            case BoxFault::Kind::ShortReply:
                reply.truncate(ReplySize - 1);
                break;
            case BoxFault::Kind::LongReply:
                reply.append("\xA5\x5A", 2);
                break;
            case BoxFault::Kind::Delay:
                extraMicros += qint64(fault.value) * 1000;
                break;
            case BoxFault::Kind::Garbage: {
                const int count = fault.value > 0 ? fault.value : DefaultGarbage;
                reply.resize(count);
                for (char &byte : reply)
                    byte = char(random_.bounded(256));
                break;
            }
        }
    }
    if (lost)
        return false;

    out.bytes = reply;
    out.delayMicros = extraMicros;
    if (wireTiming_) {
        out.delayMicros += transferMicros(FrameSize + int(reply.size()), baud_);
        if (command == BlockWrite)
            out.delayMicros += writeCycleMicros_;
    }
    return true;
}

QByteArray BoxCore::answer(const QByteArray &frame, bool perform) {
    const quint8 command = quint8(frame[0]);
    QByteArray reply = Protocol::reply(expectedReply(command));
    QByteArray &memory = chips_[size_t(model_)];
    const qint64 offset = byteOffset(frame);
    switch (command) {
        case ChipSelect:
            // An unknown model code is acknowledged and ignored.
            if (perform && quint8(frame[1]) < ChipCatalogue::ModelCount)
                model_ = quint8(frame[1]);
            break;
        case BlockRead:
            for (int i = 0; i < BlockSize; ++i)
                reply[1 + i] = memory[(offset + i) % memory.size()];
            break;
        case BlockWrite:
            if (perform) {
                const QByteArrayView data = frameData(frame);
                for (int i = 0; i < BlockSize; ++i)
                    memory[(offset + i) % memory.size()] = data[i];
            }
            break;
        default:
            break;
    }
    return reply;
}
