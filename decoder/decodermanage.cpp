#include "decoder/decodermanage.h"

using tegmo_decoder::CDecoderManage;

CDecoderManage::~CDecoderManage() {
    m_AudioDecoders.DeleteAll();
    m_VideoDecoders.DeleteAll();
}
