// The forms a picture object takes: turned upright as its EXIF orientation says, its pixels
// decoded for an archive that takes only uncompressed pictures or encoded for one that takes only
// JPEG, and the file that names kavimo as the implementation that wrote it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "dcmtk/config/osconfig.h"
#include "dcmtk/dcmdata/dcdeftag.h"
#include "dcmtk/dcmdata/dcfilefo.h"
#include "dcmtk/dcmdata/dcmetinf.h"
#include "dcmtk/dcmdata/dcpixel.h"
#include "dcmtk/dcmdata/dcpixseq.h"
#include "dcmtk/dcmdata/dcpxitem.h"
#include "dicom/pictureobject.h"
#include "dicomtestsupport.h"

namespace {

using namespace dicom;

std::string Text(DcmItem* item, const DcmTagKey& tag) {
    OFString value;
    item->findAndGetOFStringArray(tag, value);
    return value.c_str();
}

// The JPEG with an EXIF segment naming the orientation, big-endian as many cameras write it.
std::string WithOrientation(const std::string& jpeg, int orientation) {
    const std::string exif = std::string("Exif\0\0MM\0\x2a\0\0\0\x08\0\x01", 16) +
                             std::string("\x01\x12\0\x03\0\0\0\x01\0", 9) + char(orientation) +
                             std::string("\0\0\0\0\0\0", 6);
    const size_t length = exif.size() + 2;
    return jpeg.substr(0, 2) + "\xff\xe1" + char(length >> 8) + char(length & 0xff) + exif + jpeg.substr(2);
}

class PictureFormsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_source.installationId = "6f1c2a9e-0b3d-4e5f-8a7b-1c2d3e4f5a6b";
        m_source.patient.patientId = "P1";
        m_source.hostPath = m_drive.Root() + "/picture.jpg";
    }

    std::unique_ptr<PictureObject> Build(const std::string& jpeg, std::string* error) {
        dicomtest::WriteFile(m_source.hostPath, jpeg);
        return PictureObject::Build(m_source, error);
    }

    dicomtest::TempDrive m_drive;
    PictureSource m_source;
};

// The RGB value at (x, y) of 8-bit interleaved pixels `columns` wide.
std::vector<int> Pixel(const Uint8* pixels, int columns, int x, int y) {
    const Uint8* p = pixels + (size_t(y) * columns + x) * 3;
    return {p[0], p[1], p[2]};
}

TEST_F(PictureFormsTest, TurnsAPictureUprightAsItsExifOrientationSays) {
    const std::string stored = dicomtest::MakeJpegSampled(64, 48, 7, 1, 1, false);
    int width = 0, height = 0;
    const std::vector<unsigned char> decoded = dicomtest::DecodeJpeg(stored, &width, &height);
    ASSERT_EQ(width, 64);

    // 6: the camera was held turned; the picture shows upright turned a quarter clockwise.
    std::string error;
    std::unique_ptr<PictureObject> object = Build(WithOrientation(stored, 6), &error);
    ASSERT_NE(object, nullptr) << error;
    EXPECT_FALSE(object->KeepsJpeg());
    DcmDataset* dataset = object->File().getDataset();
    Uint16 rows = 0, columns = 0;
    dataset->findAndGetUint16(DCM_Rows, rows);
    dataset->findAndGetUint16(DCM_Columns, columns);
    EXPECT_EQ(rows, 64);
    EXPECT_EQ(columns, 48);
    const Uint8* pixels = nullptr;
    ASSERT_TRUE(dataset->findAndGetUint8Array(DCM_PixelData, pixels).good());
    // The stored top-left corner is now the top-right one, the stored top-right the bottom-right.
    EXPECT_EQ(Pixel(pixels, 48, 47, 0), Pixel(decoded.data(), 64, 0, 0));
    EXPECT_EQ(Pixel(pixels, 48, 47, 63), Pixel(decoded.data(), 64, 63, 0));
    EXPECT_EQ(Pixel(pixels, 48, 0, 0), Pixel(decoded.data(), 64, 0, 47));

    // 3: upside down; the sides stay.
    object = Build(WithOrientation(stored, 3), &error);
    ASSERT_NE(object, nullptr) << error;
    dataset = object->File().getDataset();
    dataset->findAndGetUint16(DCM_Columns, columns);
    EXPECT_EQ(columns, 64);
    ASSERT_TRUE(dataset->findAndGetUint8Array(DCM_PixelData, pixels).good());
    EXPECT_EQ(Pixel(pixels, 64, 63, 47), Pixel(decoded.data(), 64, 0, 0));

    // 1, upright: a baseline picture keeps its JPEG data.
    object = Build(WithOrientation(dicomtest::MakeJpeg(64, 48, 7, false), 1), &error);
    ASSERT_NE(object, nullptr) << error;
    EXPECT_TRUE(object->KeepsJpeg());
}

TEST_F(PictureFormsTest, OtherFormHoldsTheSamePictureDecodedOrAsJpeg) {
    // Kept JPEG data, decoded: exactly the JPEG's pixels, labelled RGB.
    const std::string baseline = dicomtest::MakeJpeg(64, 48, 3, false);
    int width = 0, height = 0;
    const std::vector<unsigned char> expected = dicomtest::DecodeJpeg(baseline, &width, &height);
    std::string error;
    std::unique_ptr<PictureObject> object = Build(baseline, &error);
    ASSERT_NE(object, nullptr) << error;
    ASSERT_TRUE(object->KeepsJpeg());
    std::unique_ptr<DcmDataset> decoded = object->OtherForm(&error);
    ASSERT_NE(decoded, nullptr) << error;
    EXPECT_EQ(Text(decoded.get(), DCM_PhotometricInterpretation), "RGB");
    EXPECT_EQ(Text(decoded.get(), DCM_SOPInstanceUID), object->SopInstanceUid());
    EXPECT_EQ(Text(decoded.get(), DCM_LossyImageCompression), "01");
    const Uint8* pixels = nullptr;
    unsigned long count = 0;
    ASSERT_TRUE(decoded->findAndGetUint8Array(DCM_PixelData, pixels, &count).good());
    ASSERT_EQ(count, expected.size());
    EXPECT_EQ(std::vector<unsigned char>(pixels, pixels + count), expected);
    EXPECT_TRUE(decoded->canWriteXfer(EXS_LittleEndianImplicit));

    // Decoded pixels (4:4:4 is never kept), encoded: a baseline JPEG of nearly the same pixels,
    // labelled as the object allows and marked as compressed once more.
    const std::string full = dicomtest::MakeJpegSampled(64, 48, 5, 1, 1, false);
    const std::vector<unsigned char> original = dicomtest::DecodeJpeg(full, &width, &height);
    object = Build(full, &error);
    ASSERT_NE(object, nullptr) << error;
    ASSERT_FALSE(object->KeepsJpeg());
    std::unique_ptr<DcmDataset> jpeg = object->OtherForm(&error);
    ASSERT_NE(jpeg, nullptr) << error;
    EXPECT_EQ(Text(jpeg.get(), DCM_PhotometricInterpretation), "YBR_FULL_422");
    EXPECT_EQ(Text(jpeg.get(), DCM_LossyImageCompressionMethod), "ISO_10918_1\\ISO_10918_1");
    EXPECT_TRUE(jpeg->canWriteXfer(EXS_JPEGProcess1));
    DcmElement* element = nullptr;
    ASSERT_TRUE(jpeg->findAndGetElement(DCM_PixelData, element).good());
    DcmPixelSequence* fragments = nullptr;
    ASSERT_TRUE(static_cast<DcmPixelData*>(element)
                    ->getEncapsulatedRepresentation(EXS_JPEGProcess1, nullptr, fragments)
                    .good());
    DcmPixelItem* fragment = nullptr;
    Uint8* data = nullptr;
    ASSERT_TRUE(fragments->getItem(fragment, 1).good());
    ASSERT_TRUE(fragment->getUint8Array(data).good());
    EXPECT_EQ(fragment->getLength() % 2, 0u);
    const std::vector<unsigned char> again =
        dicomtest::DecodeJpeg(std::string(reinterpret_cast<const char*>(data), fragment->getLength()), &width, &height);
    ASSERT_EQ(again.size(), original.size());
    double error2 = 0;
    for (size_t i = 0; i < again.size(); ++i) error2 += std::abs(int(again[i]) - int(original[i]));
    EXPECT_LT(error2 / double(again.size()), 6.0);
}

TEST_F(PictureFormsTest, FileNamesKavimoAsTheImplementationThatWroteIt) {
    std::string error;
    const std::unique_ptr<PictureObject> object = Build(dicomtest::MakeJpeg(32, 24, 1, false), &error);
    ASSERT_NE(object, nullptr) << error;
    const std::string file = m_drive.Root() + "/picture.dcm";
    ASSERT_TRUE(object->WriteFile(file, &error)) << error;
    DcmFileFormat read;
    ASSERT_TRUE(read.loadFile(file.c_str()).good());
    DcmMetaInfo* meta = read.getMetaInfo();
    const std::string uid = Text(meta, DCM_ImplementationClassUID);
    EXPECT_EQ(uid.rfind("2.25.", 0), 0u) << uid;
    EXPECT_LE(uid.size(), 64u);
    const std::string name = Text(meta, DCM_ImplementationVersionName);
    EXPECT_EQ(name.rfind("KAVIMO_", 0), 0u) << name;
    EXPECT_LE(name.size(), 16u);
    // The group length counts what the group holds once kavimo's names are in.
    Uint32 length = 0;
    ASSERT_TRUE(meta->findAndGetUint32(DCM_FileMetaInformationGroupLength, length).good());
    EXPECT_EQ(length, meta->getLength(EXS_LittleEndianExplicit) - 12);
}

}  // namespace
