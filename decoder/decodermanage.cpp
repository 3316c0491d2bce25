#include "decoder/decodermanage.h"

CDecoderManage::~CDecoderManage() {
    m_AudioDecoders.DeleteAll();
    m_VideoDecoders.DeleteAll();
}
