<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>kavimo</name>
    <message>
        <source>The pictures cannot be queued for the archive (PACS): the disk may be full or kavimo&apos;s folder not writable. Free some space or ask your technician (%1).</source>
        <translation>تتعذر إضافة الصور إلى قائمة انتظار الأرشيف (PACS): قد يكون القرص ممتلئًا أو مجلد kavimo غير قابل للكتابة. حرّر بعض المساحة أو استشر الفني المختص (%1).</translation>
    </message>
    <message>
        <source>Sending %1 of %2 to the PACS…</source>
        <translation>جارٍ إرسال %1 من %2 إلى PACS…</translation>
    </message>
    <message>
        <source>PACS not reachable: %1 waiting, sent when it answers. Check the network and the archive&apos;s address in Settings.</source>
        <translation>PACS غير متاح: %1 في الانتظار، وستُرسل عندما يستجيب. تحقق من الشبكة ومن عنوان الأرشيف في الإعدادات.</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS; the archive refused %3. Ask its administrator (see the log).</source>
        <translation>أُرسل %1 من %2 إلى PACS؛ ورفض الأرشيف %3. راجع مسؤول الأرشيف (انظر السجل).</translation>
    </message>
    <message>
        <source>PACS: %1</source>
        <translation>PACS: %1</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS</source>
        <translation>أُرسل %1 من %2 إلى PACS</translation>
    </message>
    <message>
        <source>No archive (PACS) is set up. Enter its AE title, host and port in the Settings dialog: right-click the main window and choose &quot;Settings...&quot;, then restart kavimo.</source>
        <translation>لم يُعدّ أي أرشيف (PACS). أدخل عنوان AE الخاص به والمضيف والمنفذ في نافذة الإعدادات: انقر بزر الفأرة الأيمن على النافذة الرئيسية واختر «الإعدادات...»، ثم أعد تشغيل kavimo.</translation>
    </message>
    <message>
        <source>PACS (the clinic&apos;s archive)</source>
        <translation>PACS (أرشيف العيادة)</translation>
    </message>
    <message>
        <source>Archive AE title</source>
        <translation>عنوان AE للأرشيف</translation>
    </message>
    <message>
        <source>none: no archive</source>
        <translation>لا شيء: بلا أرشيف</translation>
    </message>
    <message>
        <source>Archive host</source>
        <translation>مضيف الأرشيف</translation>
    </message>
    <message>
        <source>Archive DICOM port</source>
        <translation>منفذ DICOM للأرشيف</translation>
    </message>
    <message>
        <source>kavimo&apos;s AE title</source>
        <translation>عنوان AE لـ kavimo</translation>
    </message>
    <message>
        <source>Send every stored picture (on/off)</source>
        <translation>إرسال كل صورة محفوظة (on/off)</translation>
    </message>
    <message>
        <source>Worklist modality</source>
        <translation>نمط التصوير في قائمة العمل</translation>
    </message>
    <message>
        <source>Worklist of this station or all (this/all)</source>
        <translation>قائمة عمل هذه المحطة أو الكل (this/all)</translation>
    </message>
    <message>
        <source>Connect over TLS (the archive must show a certificate the CA signed)</source>
        <translation>الاتصال عبر TLS (يجب أن يقدّم الأرشيف شهادة موقّعة من CA)</translation>
    </message>
    <message>
        <source>CA certificates to trust (PEM)</source>
        <translation>شهادات CA الموثوقة (PEM)</translation>
    </message>
    <message>
        <source>required with TLS</source>
        <translation>مطلوب مع TLS</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate (PEM)</source>
        <translation>شهادة kavimo (PEM)</translation>
    </message>
    <message>
        <source>none: only if the archive asks for one</source>
        <translation>لا شيء: فقط إذا طلبها الأرشيف</translation>
    </message>
    <message>
        <source>kavimo&apos;s private key (PEM)</source>
        <translation>المفتاح الخاص لـ kavimo (PEM)</translation>
    </message>
    <message>
        <source>none: goes with the certificate</source>
        <translation>لا شيء: يرافق الشهادة</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>اختبار الاتصال</translation>
    </message>
    <message>
        <source>Give the archive&apos;s AE title, host and port first.</source>
        <translation>أدخل أولًا عنوان AE للأرشيف والمضيف والمنفذ.</translation>
    </message>
    <message>
        <source>Connecting to %1%2…</source>
        <translation>جارٍ الاتصال بـ %1%2…</translation>
    </message>
    <message>
        <source> over TLS</source>
        <translation> عبر TLS</translation>
    </message>
    <message>
        <source>%1 answers.</source>
        <translation>%1 يستجيب.</translation>
    </message>
    <message>
        <source>Worklist</source>
        <translation>قائمة العمل</translation>
    </message>
    <message>
        <source>Patients scheduled for %1 (only the first %2: the PACS sent more):</source>
        <translation>المرضى المجدولون في %1 (أول %2 فقط: أرسل PACS المزيد):</translation>
    </message>
    <message>
        <source>The worklist schedules no patient for %1.</source>
        <translation>لا تتضمن قائمة العمل أي مريض مجدول في %1.</translation>
    </message>
    <message>
        <source>Patients scheduled for %1:</source>
        <translation>المرضى المجدولون في %1:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Patient ID</source>
        <translation>معرّف المريض</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>تاريخ الميلاد</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>الجنس</translation>
    </message>
    <message>
        <source>Accession</source>
        <translation>رقم الطلب</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>الإجراء</translation>
    </message>
    <message>
        <source>Not taken as the PACS sent it:
</source>
        <translation>بيانات لم تُعتمد كما أرسلها PACS:
</translation>
    </message>
    <message>
        <source>
… and %1 more</source>
        <translation>
… و%1 أخرى</translation>
    </message>
    <message>
        <source>Another day:</source>
        <translation>يوم آخر:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>عرض</translation>
    </message>
    <message>
        <source>Asking the PACS for the worklist of %1…</source>
        <translation>جارٍ طلب قائمة العمل ليوم %1 من PACS…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Cannot read the worklist: %1</source>
        <translation>تتعذر قراءة قائمة العمل: %1</translation>
    </message>
    <message>
        <source>The demo cannot start: %1.</source>
        <translation>لا يمكن بدء العرض التجريبي: %1.</translation>
    </message>
    <message>
        <source>Oral image acquisition system</source>
        <translation>نظام التقاط الصور الفموية</translation>
    </message>
    <message>
        <source>the running kavimo did not open patient %1: %2</source>
        <translation>لم يفتح kavimo قيد التشغيل المريض %1: %2</translation>
    </message>
    <message>
        <source>the patient was not opened: %1</source>
        <translation>لم يُفتح المريض: %1</translation>
    </message>
    <message>
        <source>kavimo cannot start: %1.</source>
        <translation>لا يمكن تشغيل kavimo: %1.</translation>
    </message>
    <message>
        <source>the pictures were not exported: %1</source>
        <translation>لم تُصدَّر الصور: %1</translation>
    </message>
    <message>
        <source>the pictures were not shown: %1</source>
        <translation>لم تُعرض الصور: %1</translation>
    </message>
    <message>
        <source>the camera link cannot open its sockets on 127.0.0.1</source>
        <translation>يتعذر على اتصال الكاميرا فتح منافذه على 127.0.0.1</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>السابق</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>التالي</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>تقسيم</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>استيراد</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>تصدير</translation>
    </message>
    <message>
        <source>Pickup</source>
        <translation>اختيار</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>User</source>
        <translation>المرضى</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>مباشر</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>تجميد</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Choose, create or find a patient</source>
        <translation>اختيار مريض أو إنشاؤه أو البحث عنه</translation>
    </message>
    <message>
        <source>Start or stop the camera&apos;s live picture</source>
        <translation>تشغيل البث المباشر للكاميرا أو إيقافه</translation>
    </message>
    <message>
        <source>Freeze the live picture; press again (Save Pic) to store it</source>
        <translation>تجميد الصورة المباشرة؛ اضغط مرة أخرى (حفظ الصورة) لحفظها</translation>
    </message>
    <message>
        <source>Add picture files to this patient</source>
        <translation>إضافة ملفات صور إلى هذا المريض</translation>
    </message>
    <message>
        <source>Copy the picked pictures (or all of them) to a folder</source>
        <translation>نسخ الصور المختارة (أو كل الصور) إلى مجلد</translation>
    </message>
    <message>
        <source>Pick up to four pictures for the report and the export</source>
        <translation>اختيار حتى أربع صور للتقرير والتصدير</translation>
    </message>
    <message>
        <source>Preview, print or save the report as PDF</source>
        <translation>معاينة التقرير أو طباعته أو حفظه بصيغة PDF</translation>
    </message>
    <message>
        <source>Store the drawing on the shown picture</source>
        <translation>حفظ الرسم على الصورة المعروضة</translation>
    </message>
    <message>
        <source>Store the shown picture with its drawing as a new picture</source>
        <translation>حفظ الصورة المعروضة مع رسمها كصورة جديدة</translation>
    </message>
    <message>
        <source>Take back the last stroke</source>
        <translation>التراجع عن آخر خط مرسوم</translation>
    </message>
    <message>
        <source>Show four pictures at once, or one again</source>
        <translation>عرض أربع صور معًا، أو صورة واحدة من جديد</translation>
    </message>
    <message>
        <source>Delete the shown picture (it goes to the trash)</source>
        <translation>حذف الصورة المعروضة (تُنقل إلى سلة المهملات)</translation>
    </message>
    <message>
        <source>Store the diagnosis</source>
        <translation>حفظ التشخيص</translation>
    </message>
    <message>
        <source>Scroll the thumbnails up</source>
        <translation>تمرير الصور المصغرة لأعلى</translation>
    </message>
    <message>
        <source>Scroll the thumbnails down</source>
        <translation>تمرير الصور المصغرة لأسفل</translation>
    </message>
    <message>
        <source>Close kavimo (unsaved work is asked about first)</source>
        <translation>إغلاق kavimo (يُسأل عن العمل غير المحفوظ أولًا)</translation>
    </message>
    <message>
        <source>Thick</source>
        <translation>سميك</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>متوسط</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>رفيع</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>أحمر</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>أخضر</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>أزرق</translation>
    </message>
    <message>
        <source>Num：</source>
        <translation>الرقم: </translation>
    </message>
    <message>
        <source>Name：</source>
        <translation>الاسم: </translation>
    </message>
    <message>
        <source>Sex：</source>
        <translation>الجنس: </translation>
    </message>
    <message>
        <source>Age：</source>
        <translation>العمر: </translation>
    </message>
    <message>
        <source>Phone：</source>
        <translation>الهاتف: </translation>
    </message>
    <message>
        <source>Disease：</source>
        <translation>التشخيص: </translation>
    </message>
    <message>
        <source>确定</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>The patient %1 of the practice-management system could not be opened: %2.</source>
        <translation>تعذّر فتح المريض %1 من نظام إدارة العيادة: %2.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>التقاط</translation>
    </message>
    <message>
        <source>ID：</source>
        <translation>المعرّف: </translation>
    </message>
    <message>
        <source>ID：UID%1</source>
        <translation>المعرّف: UID%1</translation>
    </message>
    <message>
        <source>Age：%1</source>
        <translation>العمر: %1</translation>
    </message>
    <message>
        <source>Age：%1 (born %2)</source>
        <translation>العمر: %1 (الميلاد: %2)</translation>
    </message>
    <message>
        <source>The diagnosis has not been saved. Save it?</source>
        <translation>لم يُحفظ التشخيص. هل تريد حفظه؟</translation>
    </message>
    <message>
        <source>The strokes on the picture have not been saved. Save them?</source>
        <translation>لم تُحفظ الخطوط المرسومة على الصورة. هل تريد حفظها؟</translation>
    </message>
    <message>
        <source>WIFI connected！</source>
        <translation>تم الاتصال عبر WiFi!</translation>
    </message>
    <message>
        <source>WIFI disconnect！</source>
        <translation>انقطع اتصال WiFi!</translation>
    </message>
    <message>
        <source>Settings(&amp;S)...</source>
        <translation>&amp;الإعدادات...</translation>
    </message>
    <message>
        <source>关于 kavimo(&amp;A)...</source>
        <translation>&amp;حول kavimo...</translation>
    </message>
    <message>
        <source>Export as DICOM…</source>
        <translation>تصدير بصيغة DICOM…</translation>
    </message>
    <message>
        <source>Send to PACS</source>
        <translation>إرسال إلى PACS</translation>
    </message>
    <message>
        <source>Revert to original</source>
        <translation>استعادة الصورة الأصلية</translation>
    </message>
    <message>
        <source>Restore deleted pictures…</source>
        <translation>استعادة الصور المحذوفة…</translation>
    </message>
    <message>
        <source>Teeth and view…</source>
        <translation>الأسنان والمنظر…</translation>
    </message>
    <message>
        <source>Show pictures of a tooth or view…</source>
        <translation>عرض صور سنّ أو منظر…</translation>
    </message>
    <message>
        <source>Show all pictures</source>
        <translation>عرض كل الصور</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>مقارنة</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.bmp)</source>
        <translation>الصور (*.jpg *.jpeg *.png *.bmp)</translation>
    </message>
    <message>
        <source>Please select output dir：</source>
        <translation>يرجى اختيار مجلد الإخراج:</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>ليس صورة</translation>
    </message>
    <message>
        <source>a %1 picture that cannot be read: %2</source>
        <translation>صورة %1 تتعذر قراءتها: %2</translation>
    </message>
    <message>
        <source>Save Pic</source>
        <translation>حفظ الصورة</translation>
    </message>
    <message>
        <source>Fail to Save！</source>
        <translation>فشل الحفظ!</translation>
    </message>
    <message>
        <source>Fail to Save！
%1</source>
        <translation>فشل الحفظ!
%1</translation>
    </message>
    <message>
        <source>Fail to save picture！</source>
        <translation>فشل حفظ الصورة!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>the picture could not be read, so it is not written over</source>
        <translation>تعذّرت قراءة الصورة، لذلك لن يُكتب فوقها</translation>
    </message>
    <message>
        <source>not a picture in the patient&apos;s directory</source>
        <translation>ليست صورة في مجلد المريض</translation>
    </message>
    <message>
        <source>its original cannot be kept: </source>
        <translation>لا يمكن الاحتفاظ بأصلها: </translation>
    </message>
    <message>
        <source>Fail to Save！
%1: %2</source>
        <translation>فشل الحفظ!
%1: %2</translation>
    </message>
    <message>
        <source>Revert %1 to the picture as it was taken?
The strokes saved on it are lost.</source>
        <translation>هل تريد إعادة %1 إلى الصورة كما التُقطت؟
ستُفقد الخطوط المرسومة المحفوظة عليها.</translation>
    </message>
    <message>
        <source>Fail to revert！
%1: %2</source>
        <translation>فشلت الاستعادة!
%1: %2</translation>
    </message>
    <message>
        <source>Restore deleted pictures</source>
        <translation>استعادة الصور المحذوفة</translation>
    </message>
    <message>
        <source>no free picture name</source>
        <translation>لا يوجد اسم متاح للصورة</translation>
    </message>
    <message>
        <source>Fail to import:
%1</source>
        <translation>فشل الاستيراد:
%1</translation>
    </message>
    <message>
        <source>picture output</source>
        <translation>تصدير الصور</translation>
    </message>
    <message>
        <source>This patient has no pictures to export.</source>
        <translation>لا توجد صور لهذا المريض لتصديرها.</translation>
    </message>
    <message>
        <source>No picture is picked. Export the patient&apos;s picture?</source>
        <translation>لم تُختر أي صورة. هل تريد تصدير صورة المريض؟</translation>
    </message>
    <message numerus="yes">
        <source>No picture is picked. Export all %n pictures?</source>
        <translation>
            <numerusform>لم تُختر أي صورة. هل تريد تصدير %n صورة؟</numerusform>
            <numerusform>لم تُختر أي صورة. هل تريد تصدير %n صورة؟</numerusform>
            <numerusform>لم تُختر أي صورة. هل تريد تصدير %n صورتين؟</numerusform>
            <numerusform>لم تُختر أي صورة. هل تريد تصدير الصور الـ%n كلها؟</numerusform>
            <numerusform>لم تُختر أي صورة. هل تريد تصدير الصور الـ%n كلها؟</numerusform>
            <numerusform>لم تُختر أي صورة. هل تريد تصدير الصور الـ%n كلها؟</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Choose another one.</source>
        <translation>المجلد %1 غير موجود. اختر مجلدًا آخر.</translation>
    </message>
    <message>
        <source>picture %1: it is no longer in the patient&apos;s list</source>
        <translation>الصورة %1: لم تعد في قائمة المريض</translation>
    </message>
    <message>
        <source>%1: not a file name</source>
        <translation>%1: ليس اسم ملف</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures exported to %1.</source>
        <translation>
            <numerusform>تم تصدير %n صورة إلى %1.</numerusform>
            <numerusform>تم تصدير %n صورة إلى %1.</numerusform>
            <numerusform>تم تصدير %n صورتين إلى %1.</numerusform>
            <numerusform>تم تصدير %n صور إلى %1.</numerusform>
            <numerusform>تم تصدير %n صورة إلى %1.</numerusform>
            <numerusform>تم تصدير %n صورة إلى %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

Fail to export:
%2</source>
        <translation>%1

فشل التصدير:
%2</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>هل أنت متأكد؟</translation>
    </message>
    <message>
        <source>

Delete the picture of %1-%2-%3 %4:%5:%6?
It goes to the trash, from which it can be restored for %7 days.</source>
        <translation>

هل تريد حذف صورة %1-%2-%3 %4:%5:%6؟
ستُنقل إلى سلة المهملات، ويمكن استعادتها منها خلال %7 يومًا.</translation>
    </message>
    <message>
        <source>Picture delete</source>
        <translation>حذف الصورة</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>إنهاء</translation>
    </message>
    <message>
        <source>Restore the unsaved work of %1 from %2?</source>
        <translation>هل تريد استعادة العمل غير المحفوظ للمريض %1 الذي سُجِّل في %2؟</translation>
    </message>
    <message>
        <source>The camera&apos;s video cannot be received: UDP port %1 (%2) is not available.</source>
        <translation>تعذّر استقبال فيديو الكاميرا: منفذ UDP %1 (%2) غير متاح.</translation>
    </message>
    <message>
        <source>PACS</source>
        <translation>PACS</translation>
    </message>
    <message>
        <source>DICOMDIR: %1</source>
        <translation>DICOMDIR: %1</translation>
    </message>
    <message>
        <source>%1 of %2 to %3%4%5</source>
        <translation>%1 من %2 إلى %3%4%5</translation>
    </message>
    <message>
        <source>; cancelled</source>
        <translation>؛ أُلغي</translation>
    </message>
    <message>
        <source>; failed: </source>
        <translation>؛ فشل: </translation>
    </message>
    <message numerus="yes">
        <source>%n DICOM files written to %1, with a DICOMDIR</source>
        <translation>
            <numerusform>تمت كتابة %n ملف بصيغة DICOM في %1، مع DICOMDIR</numerusform>
            <numerusform>تمت كتابة %n ملف بصيغة DICOM في %1، مع DICOMDIR</numerusform>
            <numerusform>تمت كتابة %n ملفين بصيغة DICOM في %1، مع DICOMDIR</numerusform>
            <numerusform>تمت كتابة %n ملفات بصيغة DICOM في %1، مع DICOMDIR</numerusform>
            <numerusform>تمت كتابة %n ملفًا بصيغة DICOM في %1، مع DICOMDIR</numerusform>
            <numerusform>تمت كتابة %n ملف بصيغة DICOM في %1، مع DICOMDIR</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Export cancelled: %1 of %n DICOM files written to %2, with a DICOMDIR</source>
        <translation>
            <numerusform>أُلغي التصدير: كُتب %1 من أصل %n ملف بصيغة DICOM في %2، مع DICOMDIR</numerusform>
            <numerusform>أُلغي التصدير: كُتب %1 من أصل %n ملف بصيغة DICOM في %2، مع DICOMDIR</numerusform>
            <numerusform>أُلغي التصدير: كُتب %1 من أصل %n ملفين بصيغة DICOM في %2، مع DICOMDIR</numerusform>
            <numerusform>أُلغي التصدير: كُتب %1 من أصل %n ملفات بصيغة DICOM في %2، مع DICOMDIR</numerusform>
            <numerusform>أُلغي التصدير: كُتب %1 من أصل %n ملفًا بصيغة DICOM في %2، مع DICOMDIR</numerusform>
            <numerusform>أُلغي التصدير: كُتب %1 من أصل %n ملف بصيغة DICOM في %2، مع DICOMDIR</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n DICOM files written; failed:
%2</source>
        <translation>
            <numerusform>كُتب %1 من أصل %n ملف بصيغة DICOM؛ فشل:
%2</numerusform>
            <numerusform>كُتب %1 من أصل %n ملف بصيغة DICOM؛ فشل:
%2</numerusform>
            <numerusform>كُتب %1 من أصل %n ملفين بصيغة DICOM؛ فشل:
%2</numerusform>
            <numerusform>كُتب %1 من أصل %n ملفات بصيغة DICOM؛ فشل:
%2</numerusform>
            <numerusform>كُتب %1 من أصل %n ملفًا بصيغة DICOM؛ فشل:
%2</numerusform>
            <numerusform>كُتب %1 من أصل %n ملف بصيغة DICOM؛ فشل:
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The patient has no pictures to export.</source>
        <translation>لا توجد صور للمريض لتصديرها.</translation>
    </message>
    <message>
        <source>Export as DICOM</source>
        <translation>تصدير بصيغة DICOM</translation>
    </message>
    <message>
        <source>Invalid dir</source>
        <translation>مجلد غير صالح</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n pictures as DICOM to
%1</source>
        <translation>
            <numerusform>جارٍ تصدير %n صورة بصيغة DICOM إلى
%1</numerusform>
            <numerusform>جارٍ تصدير %n صورة بصيغة DICOM إلى
%1</numerusform>
            <numerusform>جارٍ تصدير %n صورتين بصيغة DICOM إلى
%1</numerusform>
            <numerusform>جارٍ تصدير %n صور بصيغة DICOM إلى
%1</numerusform>
            <numerusform>جارٍ تصدير %n صورة بصيغة DICOM إلى
%1</numerusform>
            <numerusform>جارٍ تصدير %n صورة بصيغة DICOM إلى
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The patient has no pictures to send.</source>
        <translation>لا توجد صور للمريض لإرسالها.</translation>
    </message>
    <message>
        <source>kavimo is starting or closing</source>
        <translation>kavimo قيد البدء أو الإغلاق</translation>
    </message>
    <message>
        <source>a dialog is open in kavimo; close it and try again</source>
        <translation>توجد نافذة حوار مفتوحة في kavimo؛ أغلقها وحاول مرة أخرى</translation>
    </message>
    <message>
        <source>the user stayed with the patient on screen to keep unsaved work</source>
        <translation>بقي المستخدم مع المريض المعروض للاحتفاظ بالعمل غير المحفوظ</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>مفرد</translation>
    </message>
    <message>
        <source>Teeth and view</source>
        <translation>الأسنان والمنظر</translation>
    </message>
    <message>
        <source>Teeth </source>
        <translation>الأسنان </translation>
    </message>
    <message>
        <source>The teeth of %1 were not given to %2:
%3</source>
        <translation>لم يُنسخ تحديد الأسنان من %1 إلى %2:
%3</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n صورة</numerusform>
            <numerusform>%n صورة</numerusform>
            <numerusform>%n صورتان</numerusform>
            <numerusform>%n صور</numerusform>
            <numerusform>%n صورة</numerusform>
            <numerusform>%n صورة</numerusform>
        </translation>
    </message>
    <message>
        <source>The teeth were not stored:
%1</source>
        <translation>لم يُحفظ تحديد الأسنان:
%1</translation>
    </message>
    <message>
        <source>Show pictures of</source>
        <translation>عرض صور</translation>
    </message>
    <message>
        <source>A tooth (%1) or a view (frontal, left buccal, right buccal, upper occlusal, lower occlusal, close-up, other).
Empty shows every picture.</source>
        <translation>سنّ (%1) أو منظر (frontal, left buccal, right buccal, upper occlusal, lower occlusal, close-up, other).
اترك الحقل فارغًا لعرض كل الصور.</translation>
    </message>
    <message>
        <source>1–32 or A–T</source>
        <translation>1–32 أو A–T</translation>
    </message>
    <message>
        <source>UR1, LLA</source>
        <translation>UR1، LLA</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a tooth nor a view.</source>
        <translation>«%1» ليس سنًّا ولا منظرًا.</translation>
    </message>
    <message>
        <source>Show a picture, or pick two, to compare.</source>
        <translation>اعرض صورة، أو اختر صورتين، للمقارنة.</translation>
    </message>
    <message>
        <source>The picture shown has no teeth yet: tag it with its teeth, or pick two pictures.</source>
        <translation>لم تُحدَّد أسنان الصورة المعروضة بعد: حدّد أسنانها، أو اختر صورتين.</translation>
    </message>
    <message>
        <source>No earlier picture shows the same teeth.</source>
        <translation>لا توجد صورة سابقة تُظهر الأسنان نفسها.</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation>تعذّر إنشاء %1</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>تعذّر إنشاء %1: %2</translation>
    </message>
    <message>
        <source>the picture with the strokes cannot be encoded</source>
        <translation>تعذّر ترميز الصورة مع الخطوط المرسومة</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>تعذّرت الكتابة في %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>تعذّرت كتابة %1: %2</translation>
    </message>
    <message>
        <source>Faile to create WorkDir!</source>
        <translation>فشل إنشاء مجلد العمل!</translation>
    </message>
    <message>
        <source>Create WorkDir successfull!</source>
        <translation>تم إنشاء مجلد العمل بنجاح!</translation>
    </message>
    <message>
        <source>Faile to  create user dir！</source>
        <translation>فشل إنشاء مجلد المريض!</translation>
    </message>
    <message>
        <source>User does not exist！</source>
        <translation>المريض غير موجود!</translation>
    </message>
    <message>
        <source>other</source>
        <translation>آخر</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>female</source>
        <translation>أنثى</translation>
    </message>
    <message>
        <source>male</source>
        <translation>ذكر</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>أنثى</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>ذكر</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>آخر</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>User Management</source>
        <translation>إدارة المرضى</translation>
    </message>
    <message>
        <source>User List：</source>
        <translation>قائمة المرضى:</translation>
    </message>
    <message>
        <source>Picture List：</source>
        <translation>قائمة الصور:</translation>
    </message>
    <message>
        <source>Preview：</source>
        <translation>معاينة: </translation>
    </message>
    <message>
        <source>Born：</source>
        <translation>الميلاد: </translation>
    </message>
    <message>
        <source>sex：</source>
        <translation>الجنس: </translation>
    </message>
    <message>
        <source>Hospital：</source>
        <translation>العيادة: </translation>
    </message>
    <message>
        <source>Description：</source>
        <translation>الوصف: </translation>
    </message>
    <message>
        <source>No.</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>المعرّف</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>العمر</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>الهاتف</translation>
    </message>
    <message>
        <source>Disease</source>
        <translation>التشخيص</translation>
    </message>
    <message>
        <source>Click a column&apos;s title to sort by it</source>
        <translation>انقر عنوان عمود للفرز حسبه</translation>
    </message>
    <message>
        <source>Search: part of the name, ID or phone</source>
        <translation>بحث: جزء من الاسم أو المعرّف أو الهاتف</translation>
    </message>
    <message>
        <source>YYYYMMDD</source>
        <translation>YYYYMMDD</translation>
    </message>
    <message>
        <source>Birth date, YYYYMMDD or YYYY-MM-DD; the age then follows it</source>
        <translation>تاريخ الميلاد بصيغة YYYYMMDD أو YYYY-MM-DD؛ ويُحسب العمر منه</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>تعيين</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>تحديث</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>بحث</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>تعديل</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>إنشاء</translation>
    </message>
    <message>
        <source>Restore deleted patients…</source>
        <translation>استعادة المرضى المحذوفين…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>No patient matches &quot;%1&quot;.</source>
        <translation>لا يوجد مريض يطابق «%1».</translation>
    </message>
    <message>
        <source>Please enter name！</source>
        <translation>يرجى إدخال الاسم!</translation>
    </message>
    <message>
        <source>Please enter the birth date as YYYY-MM-DD, not after today！</source>
        <translation>يرجى إدخال تاريخ الميلاد بصيغة YYYY-MM-DD، على ألا يكون بعد اليوم!</translation>
    </message>
    <message>
        <source>Please enter age！</source>
        <translation>يرجى إدخال العمر!</translation>
    </message>
    <message>
        <source>Please enter phone！</source>
        <translation>يرجى إدخال رقم الهاتف!</translation>
    </message>
    <message>
        <source>Please choose sex (Female, Male, Other or Unknown)！</source>
        <translation>يرجى اختيار الجنس (أنثى أو ذكر أو آخر أو غير معروف)!</translation>
    </message>
    <message>
        <source>The patient&apos;s record was written, but the name, phone and birth date as typed were not kept: %1</source>
        <translation>كُتب سجل المريض، لكن لم يُحفظ الاسم والهاتف وتاريخ الميلاد كما أُدخلت: %1</translation>
    </message>
    <message>
        <source>The patient was created, but the worklist&apos;s order was not kept, so the pictures will not be attached to it in the archive: %1</source>
        <translation>أُنشئ المريض، لكن لم يُحفظ طلب قائمة العمل، لذا لن تُربط الصور به في الأرشيف: %1</translation>
    </message>
    <message numerus="yes">
        <source>The patient list is full: at most %n patients can be kept！</source>
        <translation>
            <numerusform>قائمة المرضى ممتلئة: لا يمكن الاحتفاظ بأكثر من %n مريض!</numerusform>
            <numerusform>قائمة المرضى ممتلئة: لا يمكن الاحتفاظ بأكثر من %n مريض!</numerusform>
            <numerusform>قائمة المرضى ممتلئة: لا يمكن الاحتفاظ بأكثر من %n مريضين!</numerusform>
            <numerusform>قائمة المرضى ممتلئة: لا يمكن الاحتفاظ بأكثر من %n مرضى!</numerusform>
            <numerusform>قائمة المرضى ممتلئة: لا يمكن الاحتفاظ بأكثر من %n مريضًا!</numerusform>
            <numerusform>قائمة المرضى ممتلئة: لا يمكن الاحتفاظ بأكثر من %n مريض!</numerusform>
        </translation>
    </message>
    <message>
        <source>A patient was created less than a second ago; please press Create again！</source>
        <translation>أُنشئ مريض قبل أقل من ثانية؛ يرجى الضغط على «إنشاء» مرة أخرى!</translation>
    </message>
    <message>
        <source>Are you sure delete？</source>
        <translation>هل أنت متأكد من الحذف؟</translation>
    </message>
    <message>
        <source>Delete the patient %1 (%2) and %3?</source>
        <translation>هل تريد حذف المريض %1 (%2) مع صوره (%3)؟</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n patients and their %1?</source>
        <translation>
            <numerusform>هل تريد حذف %n مريض مع صورهم (%1)؟</numerusform>
            <numerusform>هل تريد حذف %n مريض مع صوره (%1)؟</numerusform>
            <numerusform>هل تريد حذف %n مريضين مع صورهما (%1)؟</numerusform>
            <numerusform>هل تريد حذف %n مرضى مع صورهم (%1)؟</numerusform>
            <numerusform>هل تريد حذف %n مريضًا مع صورهم (%1)؟</numerusform>
            <numerusform>هل تريد حذف %n مريض مع صورهم (%1)؟</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>

%1
They go to the trash, from which &quot;Restore deleted patients…&quot; brings them back for %n days.</source>
        <translation>
            <numerusform>

%1
تُنقل إلى سلة المهملات، ويمكن استعادتها منها عبر «استعادة المرضى المحذوفين…» خلال %n يوم.</numerusform>
            <numerusform>

%1
تُنقل إلى سلة المهملات، ويمكن استعادتها منها عبر «استعادة المرضى المحذوفين…» خلال %n يوم.</numerusform>
            <numerusform>

%1
تُنقل إلى سلة المهملات، ويمكن استعادتها منها عبر «استعادة المرضى المحذوفين…» خلال %n يومين.</numerusform>
            <numerusform>

%1
تُنقل إلى سلة المهملات، ويمكن استعادتها منها عبر «استعادة المرضى المحذوفين…» خلال %n أيام.</numerusform>
            <numerusform>

%1
تُنقل إلى سلة المهملات، ويمكن استعادتها منها عبر «استعادة المرضى المحذوفين…» خلال %n يومًا.</numerusform>
            <numerusform>

%1
تُنقل إلى سلة المهملات، ويمكن استعادتها منها عبر «استعادة المرضى المحذوفين…» خلال %n يوم.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no deleted patients to restore.</source>
        <translation>لا يوجد مرضى محذوفون لاستعادتهم.</translation>
    </message>
    <message>
        <source>Restore deleted patients</source>
        <translation>استعادة المرضى المحذوفين</translation>
    </message>
    <message>
        <source>Please enter hospital name！</source>
        <translation>يرجى إدخال اسم العيادة!</translation>
    </message>
    <message>
        <source>Set hospital successfull！</source>
        <translation>تم تعيين العيادة بنجاح!</translation>
    </message>
    <message>
        <source>Turn a quarter to the left (Shift+R)</source>
        <translation>تدوير ربع دورة إلى اليسار (Shift+R)</translation>
    </message>
    <message>
        <source>Turn a quarter to the right (R)</source>
        <translation>تدوير ربع دورة إلى اليمين (R)</translation>
    </message>
    <message>
        <source>+ / − zoom   0 as it came   R turn   arrows move   Esc close</source>
        <translation>+ / − تكبير   0 الحجم الأصلي   R تدوير   الأسهم تحريك   Esc إغلاق</translation>
    </message>
    <message>
        <source>not on the d: drive</source>
        <translation>ليس على محرك الأقراص d:</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>الذاكرة غير كافية</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>تتعذر قراءة الصورة.</translation>
    </message>
    <message>
        <source>Wheel or + and − zoom both, dragging moves both; double-click fits them.</source>
        <translation>العجلة أو + و− تكبّر الصورتين معًا، والسحب يحرّكهما معًا؛ والنقر المزدوج يلائمهما مع النافذة.</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>اسم الملف</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>المسار</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>لا توجد صورة لكتابتها</translation>
    </message>
    <message>
        <source>cannot encode the picture as %1: %2</source>
        <translation>تعذّر ترميز الصورة بصيغة %1: %2</translation>
    </message>
    <message>
        <source>it is a link to a file outside the work directory</source>
        <translation>إنه رابط إلى ملف خارج مجلد العمل</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>the path lies outside the d: drive</source>
        <translation>المسار خارج محرك الأقراص d:</translation>
    </message>
    <message>
        <source>Which teeth does %1 show?</source>
        <translation>ما الأسنان الظاهرة في %1؟</translation>
    </message>
    <message>
        <source>right</source>
        <translation>يمين</translation>
    </message>
    <message>
        <source>left</source>
        <translation>يسار</translation>
    </message>
    <message>
        <source>FDI %1</source>
        <translation>FDI %1</translation>
    </message>
    <message>
        <source>View:</source>
        <translation>المنظر:</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(غير محدد)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message>
        <source>No tooth chosen.</source>
        <translation>لم يُختر أي سن.</translation>
    </message>
    <message>
        <source>Chosen: </source>
        <translation>المختار: </translation>
    </message>
    <message>
        <source>there is no runtime directory (XDG_RUNTIME_DIR)</source>
        <translation>لا يوجد مجلد تشغيل (XDG_RUNTIME_DIR)</translation>
    </message>
    <message>
        <source>the running kavimo did not answer</source>
        <translation>لم يستجب kavimo قيد التشغيل</translation>
    </message>
    <message>
        <source>the transfer file was not read: %1</source>
        <translation>لم يُقرأ ملف النقل: %1</translation>
    </message>
    <message>
        <source>the transfer file&apos;s request was refused: %1</source>
        <translation>رُفض طلب ملف النقل: %1</translation>
    </message>
    <message>
        <source>kavimo has no patient with the ID %1</source>
        <translation>لا يوجد في kavimo مريض بالمعرّف %1</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>الصورة %1 ليست من صور المريض</translation>
    </message>
    <message>
        <source>the answer could not be written into the transfer file: %1</source>
        <translation>تعذّرت كتابة الرد في ملف النقل: %1</translation>
    </message>
    <message>
        <source>Print-diagnose</source>
        <translation>طباعة التشخيص</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>تعذّرت طباعة التقرير.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>حفظ بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>تعذّر حفظ التقرير باسم %1.</translation>
    </message>
    <message>
        <source>Sex：male</source>
        <translation>الجنس: ذكر</translation>
    </message>
    <message>
        <source>Sex：female</source>
        <translation>الجنس: أنثى</translation>
    </message>
    <message>
        <source>Time：</source>
        <translation>الوقت: </translation>
    </message>
    <message>
        <source>Resualt</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>الصفحة %1 من %2</translation>
    </message>
    <message>
        <source>Pictures：</source>
        <translation>الصور: </translation>
    </message>
    <message>
        <source>Doctor：</source>
        <translation>الطبيب: </translation>
    </message>
    <message>
        <source>Pictures and records</source>
        <translation>الصور والسجلات</translation>
    </message>
    <message>
        <source>d: drive folder</source>
        <translation>مجلد محرك الأقراص d:</translation>
    </message>
    <message>
        <source>Stream camera</source>
        <translation>كاميرا البث</translation>
    </message>
    <message>
        <source>Camera address</source>
        <translation>عنوان الكاميرا</translation>
    </message>
    <message>
        <source>Camera command port</source>
        <translation>منفذ أوامر الكاميرا</translation>
    </message>
    <message>
        <source>Local command port (0: any)</source>
        <translation>منفذ الأوامر المحلي (0: أي منفذ)</translation>
    </message>
    <message>
        <source>Local video port</source>
        <translation>منفذ الفيديو المحلي</translation>
    </message>
    <message>
        <source>Picture camera</source>
        <translation>كاميرا الصور</translation>
    </message>
    <message>
        <source>Local reply port (0: any)</source>
        <translation>منفذ الردود المحلي (0: أي منفذ)</translation>
    </message>
    <message>
        <source>Camera picture port (TCP)</source>
        <translation>منفذ صور الكاميرا (TCP)</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>الشبكة</translation>
    </message>
    <message>
        <source>Local address (0.0.0.0: all)</source>
        <translation>العنوان المحلي (0.0.0.0: الكل)</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>التقرير</translation>
    </message>
    <message>
        <source>Doctor&apos;s name</source>
        <translation>اسم الطبيب</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>المفاتيح</translation>
    </message>
    <message>
        <source>Foot switch key (does Freeze)</source>
        <translation>مفتاح دواسة القدم (يقوم بالتجميد)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message>
        <source>Language (empty: the desktop&apos;s)</source>
        <translation>اللغة (فارغ: لغة سطح المكتب)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>The d: drive folder</source>
        <translation>مجلد محرك الأقراص d:</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>ملفات PEM (*.pem *.crt *.key);;كل الملفات (*)</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>ملف الإعدادات: %1</translation>
    </message>
    <message>
        <source>Changes take effect the next time kavimo starts. An empty field uses the default shown in it. A value overridden by a command-line option or an environment variable is used in the runs without it.</source>
        <translation>تسري التغييرات عند تشغيل kavimo في المرة التالية. الحقل الفارغ يستخدم القيمة الافتراضية الظاهرة فيه. والقيمة التي يتجاوزها خيار في سطر الأوامر أو متغير بيئة تُستخدم في مرات التشغيل التي لا يُستخدمان فيها.</translation>
    </message>
    <message>
        <source>none; e.g. F8</source>
        <translation>لا شيء؛ مثل F8</translation>
    </message>
    <message>
        <source>not a key (for example F8, Space or Pause)</source>
        <translation>ليس مفتاحًا (مثل F8 أو Space أو Pause)</translation>
    </message>
    <message>
        <source>e.g. de, zh_CN</source>
        <translation>مثل de، zh_CN</translation>
    </message>
    <message>
        <source>not a language (for example de, fr or zh_CN)</source>
        <translation>ليست لغة (مثل de أو fr أو zh_CN)</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>اختيار...</translation>
    </message>
    <message>
        <source>Overridden by %1 for this run</source>
        <translation>يتجاوزه %1 في هذا التشغيل</translation>
    </message>
    <message>
        <source>The settings cannot be written to %1.</source>
        <translation>تتعذر كتابة الإعدادات في %1.</translation>
    </message>
    <message>
        <source>Tooth numbers (fdi, universal or palmer; at once)</source>
        <translation>ترقيم الأسنان (fdi أو universal أو palmer؛ يسري فورًا)</translation>
    </message>
    <message>
        <source>fdi: 11–48, 51–85</source>
        <translation>fdi: 11–48، 51–85</translation>
    </message>
    <message>
        <source>not fdi, universal (1–32, A–T) or palmer (UR1, ULA)</source>
        <translation>ليس fdi ولا universal (1–32، A–T) ولا palmer (UR1، ULA)</translation>
    </message>
    <message>
        <source>Ask for the teeth after each capture, at once (the camera&apos;s capture key confirms)</source>
        <translation>طلب تحديد الأسنان بعد كل التقاط، يسري فورًا (زر الالتقاط في الكاميرا للتأكيد)</translation>
    </message>
    <message>
        <source>Teeth</source>
        <translation>الأسنان</translation>
    </message>
    <message>
        <source>关于 kavimo</source>
        <translation>حول kavimo</translation>
    </message>
    <message>
        <source>kavimo, version %1</source>
        <translation>kavimo، الإصدار %1</translation>
    </message>
    <message>
        <source>Oral image acquisition system for WiFi intraoral cameras</source>
        <translation>نظام التقاط الصور الفموية لكاميرات داخل الفم اللاسلكية (WiFi)</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>السجل: %1</translation>
    </message>
    <message>
        <source>User guide (F1)</source>
        <translation>دليل المستخدم (F1)</translation>
    </message>
    <message numerus="yes">
        <source>Deleted items are kept for %n days. Choose what to restore:</source>
        <translation>
            <numerusform>تُحفظ العناصر المحذوفة مدة %n يوم. اختر ما تريد استعادته:</numerusform>
            <numerusform>تُحفظ العناصر المحذوفة مدة %n يوم. اختر ما تريد استعادته:</numerusform>
            <numerusform>تُحفظ العناصر المحذوفة مدة %n يومين. اختر ما تريد استعادته:</numerusform>
            <numerusform>تُحفظ العناصر المحذوفة مدة %n أيام. اختر ما تريد استعادته:</numerusform>
            <numerusform>تُحفظ العناصر المحذوفة مدة %n يومًا. اختر ما تريد استعادته:</numerusform>
            <numerusform>تُحفظ العناصر المحذوفة مدة %n يوم. اختر ما تريد استعادته:</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>استعادة</translation>
    </message>
    <message>
        <source>Picture of %1   (deleted %2)</source>
        <translation>صورة %1   (حُذفت في %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1  %2, %n pictures   (deleted %3)</source>
        <translation>
            <numerusform>%1  %2، %n صورة   (حُذف في %3)</numerusform>
            <numerusform>%1  %2، %n صورة   (حُذف في %3)</numerusform>
            <numerusform>%1  %2، %n صورتان   (حُذف في %3)</numerusform>
            <numerusform>%1  %2، %n صور   (حُذف في %3)</numerusform>
            <numerusform>%1  %2، %n صورة   (حُذف في %3)</numerusform>
            <numerusform>%1  %2، %n صورة   (حُذف في %3)</numerusform>
        </translation>
    </message>
    <message>
        <source>The user guide is not installed. It was looked for in:
%1</source>
        <translation>دليل المستخدم غير مثبت. جرى البحث عنه في:
%1</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>دليل المستخدم</translation>
    </message>
    <message>
        <source>kavimo user guide</source>
        <translation>دليل مستخدم kavimo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message>
        <source>Try &apos;kavimo --help&apos;.</source>
        <translation>جرّب «kavimo --help».</translation>
    </message>
    <message>
        <source>Host directory that stands for the d: drive (default ~/.local/share/kavimo/d).</source>
        <translation>مجلد على هذا الحاسوب يمثّل محرك الأقراص d: (الافتراضي ~/.local/share/kavimo/d).</translation>
    </message>
    <message>
        <source>Group that shares the records: folders 0770, files 0660 (default: none, 0700 and 0600).</source>
        <translation>المجموعة التي تتشارك السجلات: المجلدات 0770 والملفات 0660 (الافتراضي: لا شيء، 0700 و0600).</translation>
    </message>
    <message>
        <source>Address of the stream camera (default 172.16.10.1).</source>
        <translation>عنوان كاميرا البث (الافتراضي 172.16.10.1).</translation>
    </message>
    <message>
        <source>The stream camera&apos;s command port (default 7777).</source>
        <translation>منفذ أوامر كاميرا البث (الافتراضي 7777).</translation>
    </message>
    <message>
        <source>Local port for the stream camera&apos;s replies, heartbeats and keys (default 7777; 0: any).</source>
        <translation>المنفذ المحلي لردود كاميرا البث ونبضاتها وضغطات أزرارها (الافتراضي 7777؛ 0: أي منفذ).</translation>
    </message>
    <message>
        <source>Local port the live video arrives on (default 8888).</source>
        <translation>المنفذ المحلي الذي يصل عليه الفيديو المباشر (الافتراضي 8888).</translation>
    </message>
    <message>
        <source>Address of the picture camera (default 192.168.239.1).</source>
        <translation>عنوان كاميرا الصور (الافتراضي 192.168.239.1).</translation>
    </message>
    <message>
        <source>The picture camera&apos;s command port (default 6000).</source>
        <translation>منفذ أوامر كاميرا الصور (الافتراضي 6000).</translation>
    </message>
    <message>
        <source>Local port for the picture camera&apos;s replies (default 5000; 0: any).</source>
        <translation>المنفذ المحلي لردود كاميرا الصور (الافتراضي 5000؛ 0: أي منفذ).</translation>
    </message>
    <message>
        <source>The picture camera&apos;s TCP picture port (default 5000).</source>
        <translation>منفذ TCP الذي تُرسل عليه كاميرا الصور صورها (الافتراضي 5000).</translation>
    </message>
    <message>
        <source>Local address the camera sockets bind to (default 0.0.0.0: all).</source>
        <translation>العنوان المحلي الذي ترتبط به مقابس الكاميرا (الافتراضي 0.0.0.0: الكل).</translation>
    </message>
    <message>
        <source>The clinic&apos;s archive (PACS): its AE title (default: none, no archive).</source>
        <translation>أرشيف العيادة (PACS): عنوان AE الخاص به (الافتراضي: لا شيء، بلا أرشيف).</translation>
    </message>
    <message>
        <source>The archive&apos;s host name or address.</source>
        <translation>اسم مضيف الأرشيف أو عنوانه.</translation>
    </message>
    <message>
        <source>The archive&apos;s DICOM port.</source>
        <translation>منفذ DICOM للأرشيف.</translation>
    </message>
    <message>
        <source>kavimo&apos;s own AE title towards the archive (default KAVIMO).</source>
        <translation>عنوان AE الخاص بـ kavimo لدى الأرشيف (الافتراضي KAVIMO).</translation>
    </message>
    <message>
        <source>Issuer of Patient ID sent with kavimo&apos;s own Patient IDs (default KAVIMO- and the first 8 hex digits of the installation&apos;s identity).</source>
        <translation>جهة إصدار معرّف المريض (Issuer of Patient ID) التي تُرسل مع معرّفات المرضى الخاصة بـ kavimo (الافتراضي KAVIMO- متبوعًا بأول 8 أرقام ست عشرية من هوية هذا التثبيت).</translation>
    </message>
    <message>
        <source>The modality whose worklist entries are listed (default XC, photographs).</source>
        <translation>نمط التصوير الذي تُعرض إدخالات قائمة العمل الخاصة به (الافتراضي XC، الصور الفوتوغرافية).</translation>
    </message>
    <message>
        <source>Lists the worklist entries scheduled for kavimo&apos;s own AE title (this, the default) or for every station (all).</source>
        <translation>يعرض إدخالات قائمة العمل المجدولة لعنوان AE الخاص بـ kavimo (this، وهو الافتراضي) أو لكل المحطات (all).</translation>
    </message>
    <message>
        <source>Sends every stored picture to the archive automatically (default off).</source>
        <translation>يرسل كل صورة محفوظة إلى الأرشيف تلقائيًا (الافتراضي off).</translation>
    </message>
    <message>
        <source>Talks to the archive over TLS; its certificate must chain to --pacs-tls-ca and name its host (default off: plain TCP).</source>
        <translation>يتصل بالأرشيف عبر TLS؛ ويجب أن تنتهي سلسلة شهادته إلى --pacs-tls-ca وأن تحمل اسم مضيفه (الافتراضي off: اتصال TCP عادي).</translation>
    </message>
    <message>
        <source>The CA certificates (PEM) to check the archive&apos;s certificate with.</source>
        <translation>شهادات CA (PEM) التي يُتحقَّق بها من شهادة الأرشيف.</translation>
    </message>
    <message>
        <source>kavimo&apos;s own certificate (PEM), for archives that ask for one.</source>
        <translation>شهادة kavimo الخاصة (PEM)، للأرشيفات التي تطلب شهادة.</translation>
    </message>
    <message>
        <source>The unencrypted private key (PEM) of kavimo&apos;s certificate.</source>
        <translation>المفتاح الخاص غير المشفّر (PEM) لشهادة kavimo.</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; is %4</source>
        <translation>%1: %2 «%3»: %4</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>ليس مجلدًا</translation>
    </message>
    <message>
        <source>not an IPv4 address</source>
        <translation>ليس عنوان IPv4</translation>
    </message>
    <message>
        <source>not a port (0 to 65535)</source>
        <translation>ليس منفذًا (من 0 إلى 65535)</translation>
    </message>
    <message>
        <source>not a port (1 to 65535)</source>
        <translation>ليس منفذًا (من 1 إلى 65535)</translation>
    </message>
    <message>
        <source>not an AE title (1 to 16 characters)</source>
        <translation>ليس عنوان AE (من 1 إلى 16 حرفًا)</translation>
    </message>
    <message>
        <source>not a host</source>
        <translation>ليس اسم مضيف</translation>
    </message>
    <message>
        <source>not on or off</source>
        <translation>ليس on ولا off</translation>
    </message>
    <message>
        <source>not an issuer (1 to 64 characters, no backslash)</source>
        <translation>ليس جهة إصدار (من 1 إلى 64 حرفًا، دون شرطة مائلة عكسية)</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>ليس ملفًا</translation>
    </message>
    <message>
        <source>not a modality (a code such as XC or IO)</source>
        <translation>ليس نمط تصوير (رمز مثل XC أو IO)</translation>
    </message>
    <message>
        <source>not this or all</source>
        <translation>ليس this ولا all</translation>
    </message>
    <message>
        <source>not a group name</source>
        <translation>ليس اسم مجموعة</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>غير صالح</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>لم يُحدَّد أي مجلد</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>المجلد غير موجود</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>ليس مجلدًا</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>المجلد غير قابل للكتابة</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>لم يُحدَّد أي ملف</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>الملف غير موجود</translation>
    </message>
    <message>
        <source>the file is not readable</source>
        <translation>الملف غير قابل للقراءة</translation>
    </message>
    <message>
        <source>Opens the patient with this ID of the practice-management system, creating it when kavimo does not have it yet (the patient dialog is not shown); the ID becomes the archive&apos;s Patient ID. When kavimo already runs on this work directory, the running window switches to the patient.</source>
        <translation>يفتح المريض الذي يحمل هذا المعرّف في نظام إدارة العيادة، وينشئه إن لم يكن موجودًا في kavimo بعد (دون عرض نافذة المريض)؛ ويصبح هذا المعرّف معرّف المريض (Patient ID) في الأرشيف. وإذا كان kavimo يعمل بالفعل على مجلد العمل هذا، تنتقل نافذته المفتوحة إلى المريض.</translation>
    </message>
    <message>
        <source>The last name of the --patient-id patient (needed with it).</source>
        <translation>اسم عائلة مريض --patient-id (مطلوب معه).</translation>
    </message>
    <message>
        <source>The first name of the --patient-id patient.</source>
        <translation>الاسم الأول لمريض --patient-id.</translation>
    </message>
    <message>
        <source>The birth date of the --patient-id patient (also YYYY-MM-DD or DD.MM.YYYY).</source>
        <translation>تاريخ ميلاد مريض --patient-id (يُقبل أيضًا YYYY-MM-DD أو DD.MM.YYYY).</translation>
    </message>
    <message>
        <source>The sex of the --patient-id patient (also Male, Female, Other, Unknown).</source>
        <translation>جنس مريض --patient-id (يُقبل أيضًا Male وFemale وOther وUnknown).</translation>
    </message>
    <message>
        <source>The phone of the --patient-id patient.</source>
        <translation>هاتف مريض --patient-id.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>يعرض هذه المساعدة.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>يعرض الإصدار.</translation>
    </message>
    <message>
        <source>Points both camera addresses at 127.0.0.1 (for the camera simulator)
[KAVIMO_LOOPBACK=1]</source>
        <translation>يوجّه عنواني الكاميرتين إلى 127.0.0.1 (لمحاكي الكاميرا)
[KAVIMO_LOOPBACK=1]</translation>
    </message>
    <message>
        <source>Shows kavimo without a camera: starts the camera simulator kavimo-camsim (next to kavimo, else on the PATH) on 127.0.0.1 as a stream camera (--demo) or a picture camera (--demo=picture) and points the camera link at it; the camera addresses and ports above are then unused.</source>
        <translation>يعرض kavimo دون كاميرا: يشغّل محاكي الكاميرا kavimo-camsim (من المجلد نفسه الذي فيه kavimo، وإلا من PATH) على 127.0.0.1 ككاميرا بث (--demo) أو ككاميرا صور (--demo=picture) ويوجّه اتصال الكاميرا إليه؛ وعندئذ لا تُستخدم عناوين الكاميرا ومنافذها المذكورة أعلاه.</translation>
    </message>
    <message>
        <source>The settings file to read instead of %1
[KAVIMO_CONFIG]</source>
        <translation>ملف الإعدادات الذي يُقرأ بدلًا من %1
[KAVIMO_CONFIG]</translation>
    </message>
    <message>
        <source>Writes a picture of the screen.</source>
        <translation>يحفظ صورة للشاشة.</translation>
    </message>
    <message>
        <source>Milliseconds.</source>
        <translation>بالمللي ثانية.</translation>
    </message>
    <message>
        <source>kavimo: oral image acquisition for WiFi intraoral cameras.
Every setting can also be given in the environment (KAVIMO_*) or in kavimo.ini;
the command line wins over the environment, which wins over the file.</source>
        <translation>kavimo: التقاط الصور الفموية لكاميرات داخل الفم اللاسلكية (WiFi).
يمكن أيضًا تحديد كل إعداد في متغيرات البيئة (KAVIMO_*) أو في kavimo.ini؛
وسطر الأوامر يتقدّم على متغيرات البيئة، وهي تتقدّم على الملف.</translation>
    </message>
    <message>
        <source>A VDDS-media transfer file the practice-management system wrote.</source>
        <translation>ملف نقل VDDS-media كتبه نظام إدارة العيادة.</translation>
    </message>
    <message>
        <source>Usage: kavimo [options] [transfer-file]</source>
        <translation>الاستخدام: kavimo [الخيارات] [transfer-file]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>وسيط غير متوقع «%1»</translation>
    </message>
    <message>
        <source>settings file &quot;%1&quot; does not exist</source>
        <translation>ملف الإعدادات «%1» غير موجود</translation>
    </message>
    <message>
        <source>--demo=%1: the demo camera is &quot;stream&quot; or &quot;picture&quot;</source>
        <translation>--demo=%1: كاميرا العرض التجريبي إما «stream» أو «picture»</translation>
    </message>
    <message>
        <source>a transfer file and --patient-id cannot be given together</source>
        <translation>لا يمكن تحديد ملف نقل و--patient-id معًا</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot; (no such transfer file)</source>
        <translation>وسيط غير متوقع «%1» (لا يوجد ملف نقل بهذا الاسم)</translation>
    </message>
    <message>
        <source>the patient options need --patient-id</source>
        <translation>خيارات المريض تتطلب --patient-id</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>تاريخ الميلاد «%1» ليس تاريخًا (YYYYMMDD)</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O, U, Male, Female, Other or Unknown</source>
        <translation>الجنس «%1» ليس M أو F أو O أو U أو Male أو Female أو Other أو Unknown</translation>
    </message>
    <message>
        <source>the stream camera %1:%2 is the program&apos;s own command port; give the camera&apos;s port with --stream-command-port or another local port with --stream-local-port</source>
        <translation>كاميرا البث %1:%2 هي منفذ الأوامر الخاص بالبرنامج نفسه؛ حدّد منفذ الكاميرا بـ --stream-command-port أو منفذًا محليًا آخر بـ --stream-local-port</translation>
    </message>
    <message>
        <source>the picture camera %1:%2 is the program&apos;s own reply port; give the camera&apos;s port with --picture-command-port or another local port with --picture-reply-port</source>
        <translation>كاميرا الصور %1:%2 هي منفذ الردود الخاص بالبرنامج نفسه؛ حدّد منفذ الكاميرا بـ --picture-command-port أو منفذًا محليًا آخر بـ --picture-reply-port</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <source>Could not find &quot;%1&quot;: %2</source>
        <translation>تعذّر العثور على «%1»: %2</translation>
    </message>
    <message>
        <source>Could not create &quot;%1&quot;: %2</source>
        <translation>تعذّر إنشاء «%1»: %2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>تعذّرت قراءة «%1»: %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>تعذّرت كتابة «%1»: %2</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash: %2</source>
        <translation>تعذّر نقل «%1» إلى سلة المهملات: %2</translation>
    </message>
    <message>
        <source>Could not restore &quot;%1&quot;: %2</source>
        <translation>تعذّرت استعادة «%1»: %2</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;: %2</source>
        <translation>تعذّر حذف «%1»: %2</translation>
    </message>
    <message>
        <source>These patient records are incomplete and were left out of the patient list:%1</source>
        <translation>سجلات المرضى هذه غير مكتملة، ولم تُدرج في قائمة المرضى:%1</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but no files were deleted: its record names the directory &quot;%2&quot; instead of &quot;%3&quot;.</source>
        <translation>أُزيل %1 من قائمة المرضى، لكن لم يُحذف أي ملف: يذكر سجله المجلد «%2» بدلًا من «%3».</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; could not be moved to the trash: %3</source>
        <translation>أُزيل %1 من قائمة المرضى، لكن تعذّر نقل «%2» إلى سلة المهملات: %3</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; was not deleted: it is not a plain directory.</source>
        <translation>أُزيل %1 من قائمة المرضى، لكن لم يُحذف «%2»: إنه ليس مجلدًا عاديًا.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; was not added: its path is longer than %2 bytes.</source>
        <translation>لم تُضف الصورة «%1»: مسارها أطول من %2 بايت.</translation>
    </message>
    <message>
        <source>These pictures were not added: their paths are longer than %1 bytes.%2</source>
        <translation>لم تُضف هذه الصور: مساراتها أطول من %1 بايت.%2</translation>
    </message>
    <message>
        <source>%1 cannot be restored: the patient list is full.</source>
        <translation>تتعذر استعادة %1: قائمة المرضى ممتلئة.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: a patient directory of that name exists.</source>
        <translation>تتعذر استعادة %1: يوجد مجلد مريض بالاسم نفسه.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>تتعذر استعادة %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the work directory %1: %2</source>
        <translation>يتعذر إنشاء مجلد العمل %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is a symbolic link, which kavimo does not follow.</source>
        <translation>يتعذر استخدام ملف القفل %1: إنه رابط رمزي، وkavimo لا يتبع الروابط الرمزية.</translation>
    </message>
    <message>
        <source>Cannot open the lock file %1: %2</source>
        <translation>يتعذر فتح ملف القفل %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is not a plain file.</source>
        <translation>يتعذر استخدام ملف القفل %1: إنه ليس ملفًا عاديًا.</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on %2 (process %3).</source>
        <translation>سجلات المرضى في %1 يستخدمها kavimo على %2 (العملية %3).</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on another computer or process.</source>
        <translation>سجلات المرضى في %1 يستخدمها kavimo على حاسوب آخر أو في عملية أخرى.</translation>
    </message>
    <message>
        <source>Cannot lock the patient records in %1: %2</source>
        <translation>يتعذر قفل سجلات المرضى في %1: %2</translation>
    </message>
    <message>
        <source>the JPEG data is cut short or damaged (%1)</source>
        <translation>بيانات JPEG ناقصة أو تالفة (%1)</translation>
    </message>
    <message>
        <source>not a readable JPEG picture: %1</source>
        <translation>ليست صورة JPEG قابلة للقراءة: %1</translation>
    </message>
    <message>
        <source>the picture does not decode to RGB</source>
        <translation>تعذّر فك ترميز الصورة إلى RGB</translation>
    </message>
    <message>
        <source>cannot encode the picture as JPEG: %1</source>
        <translation>تعذّر ترميز الصورة بصيغة JPEG: %1</translation>
    </message>
    <message>
        <source>the archive&apos;s address is not set (AE title, host and port)</source>
        <translation>عنوان الأرشيف غير مُعدّ (عنوان AE والمضيف والمنفذ)</translation>
    </message>
    <message>
        <source>the archive %1 refused the connection (check its AE title and that it accepts %2): %3</source>
        <translation>رفض الأرشيف %1 الاتصال (تحقق من عنوان AE الخاص به ومن أنه يقبل %2): %3</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2 (it may ask for kavimo&apos;s own TLS certificate, and none is set)</source>
        <translation>تعذّر الوصول إلى الأرشيف %1: %2 (قد يطلب شهادة TLS الخاصة بـ kavimo، ولم تُحدَّد أي شهادة)</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2</source>
        <translation>تعذّر الوصول إلى الأرشيف %1: %2</translation>
    </message>
    <message>
        <source>not connected to the archive</source>
        <translation>غير متصل بالأرشيف</translation>
    </message>
    <message>
        <source>the archive did not answer the check: %1</source>
        <translation>لم يستجب الأرشيف لاختبار الاتصال: %1</translation>
    </message>
    <message>
        <source>the archive does not accept photographic pictures (VL Photographic Image Storage)</source>
        <translation>لا يقبل الأرشيف الصور الفوتوغرافية (VL Photographic Image Storage)</translation>
    </message>
    <message>
        <source>the archive did not confirm the picture: %1</source>
        <translation>لم يؤكّد الأرشيف استلام الصورة: %1</translation>
    </message>
    <message>
        <source>the archive refused the picture (%1)</source>
        <translation>رفض الأرشيف الصورة (%1)</translation>
    </message>
    <message>
        <source>the archive stored the picture with a warning (%1)</source>
        <translation>حفظ الأرشيف الصورة مع تحذير (%1)</translation>
    </message>
    <message>
        <source>the archive offers no worklist</source>
        <translation>لا يوفّر الأرشيف قائمة عمل</translation>
    </message>
    <message>
        <source>the archive did not finish answering within %1 s</source>
        <translation>لم يُكمل الأرشيف رده خلال %1 ثانية</translation>
    </message>
    <message>
        <source>the worklist query failed: %1</source>
        <translation>فشل الاستعلام عن قائمة العمل: %1</translation>
    </message>
    <message>
        <source>the picture claims %1 × %2 pixels, more than kavimo opens</source>
        <translation>تذكر الصورة أن أبعادها %1 × %2 بكسل، وهذا أكبر مما يفتحه kavimo</translation>
    </message>
    <message numerus="yes">
        <source>the patient list is full: at most %n patients can be kept</source>
        <translation>
            <numerusform>قائمة المرضى ممتلئة: لا يمكن الاحتفاظ بأكثر من %n مريض</numerusform>
            <numerusform>قائمة المرضى ممتلئة: لا يمكن الاحتفاظ بأكثر من %n مريض</numerusform>
            <numerusform>قائمة المرضى ممتلئة: لا يمكن الاحتفاظ بأكثر من %n مريضين</numerusform>
            <numerusform>قائمة المرضى ممتلئة: لا يمكن الاحتفاظ بأكثر من %n مرضى</numerusform>
            <numerusform>قائمة المرضى ممتلئة: لا يمكن الاحتفاظ بأكثر من %n مريضًا</numerusform>
            <numerusform>قائمة المرضى ممتلئة: لا يمكن الاحتفاظ بأكثر من %n مريض</numerusform>
        </translation>
    </message>
    <message>
        <source>the computer&apos;s clock is behind the newest patient&apos;s creation time</source>
        <translation>ساعة الحاسوب متأخرة عن وقت إنشاء أحدث مريض</translation>
    </message>
    <message>
        <source>the patient could not be stored in the work directory</source>
        <translation>تعذّر حفظ المريض في مجلد العمل</translation>
    </message>
    <message>
        <source>the patient&apos;s details could not be written: %1</source>
        <translation>تعذّرت كتابة بيانات المريض: %1</translation>
    </message>
    <message>
        <source>the patient could not be selected</source>
        <translation>تعذّر اختيار المريض</translation>
    </message>
    <message>
        <source>usage: kavimo-camsim --stream|--picture [options]

Plays a camera of the kavimo system on loopback. Every address must lie in 127.0.0.0/8.

  --stream               the stream camera: identify replies, heartbeats, keys, H.264 video
  --picture              the picture camera: identify replies, TCP picture channel
  --bind IP              local address of every socket (default 127.0.0.1)
  --app IP               the application&apos;s address (default 127.0.0.1)
  --cmd-port N           the camera&apos;s UDP command port (default 0: the kernel&apos;s choice)
  --app-port N           the application&apos;s command port (stream, default 7777) or reply
                         port (picture, default 5000); 0: send nothing until the command
                         &quot;app-port N&quot; names it
  --video-port N         the application&apos;s video port (default 8888); 0: send no video until
                         &quot;video-port N&quot; names it
  --tcp-port N           the picture channel&apos;s TCP port (default 0: the kernel&apos;s choice)
  --name TEXT            the camera&apos;s name in its identify reply (at most 32 bytes)
  --value N              the first argument of the identify reply (default 1)
  --size WxH             picture size (default 640x480)
  --fps N                video frames per second (default 25)
  --gop N                frames from one key frame to the next (default 25)
  --bitrate KBPS         video bit rate (default 1500)
  --fragment-size N      payload bytes per fragment, one fragment per datagram (default 1400)
  --attribute N          video attribute code of every frame (default 0)
  --input FILE.h264      send this Annex B file&apos;s pictures (in a loop) instead of the test picture
  --loss N               drop every Nth fragment (default 0: none)
  --heartbeat-ms N       heartbeat period (default 500; 0: none)
  --no-heartbeat         start with heartbeats stopped
  --no-video             start with the video stopped
  --no-identify          do not answer identify
  --preview-fps N        preview pictures per second (default 10)
  --quality N            JPEG quality of the previews (default 80)
  --drop-after N         drop each TCP connection after N pictures
  --at SECONDS:COMMAND   run a command at a time after the start (repeatable)
  --exit-on-stdin-eof    end when standard input closes
  --duration SECONDS     end after this long
  -h, --help             this text
  --version              the version of kavimo this program belongs to

Commands (standard input, one per line, or --at):
  key N                  stream camera: send camera key N (81..85); picture camera: capture
  capture                picture camera: send a captured picture
  heartbeat on|off       start or stop the heartbeats
  video on|off           start or stop the video
  identify on|off        answer identify or not
  drop                   picture camera: close the TCP connection
  oversize               picture camera: send a preview message longer than 1048576 bytes
  loss N                 drop every Nth fragment from now on (0: none)
  loss-rate N            drop fragments at random, N per thousand, from now on (0: none)
  send CODE [A1 [A2]]    send a command datagram with these values to the application
  app-port N             send replies, heartbeats and keys to this port from now on
  video-port N           send the video to this port from now on
  quit                   end

Standard output: one line &quot;camsim ready mode=... cmd_port=... ...&quot; once every socket is bound,
then &quot;camsim event ...&quot; lines; &quot;camsim bye&quot; at the end. Errors go to standard error.
</source>
        <translation>الاستخدام: kavimo-camsim --stream|--picture [الخيارات]

يحاكي كاميرا من نظام kavimo على واجهة الاسترجاع (loopback). يجب أن يقع كل عنوان ضمن 127.0.0.0/8.

  --stream               كاميرا البث: ردود التعريف، والنبضات، وضغطات الأزرار، وفيديو H.264
  --picture              كاميرا الصور: ردود التعريف، وقناة الصور عبر TCP
  --bind IP              العنوان المحلي لكل المقابس (الافتراضي 127.0.0.1)
  --app IP               عنوان التطبيق (الافتراضي 127.0.0.1)
  --cmd-port N           منفذ أوامر UDP للكاميرا (الافتراضي 0: تختاره النواة)
  --app-port N           منفذ أوامر التطبيق (stream، الافتراضي 7777) أو منفذ
                         الردود (picture، الافتراضي 5000)؛ 0: لا يُرسل شيء حتى يحدده
                         الأمر «app-port N»
  --video-port N         منفذ الفيديو للتطبيق (الافتراضي 8888)؛ 0: لا يُرسل فيديو حتى يحدده
                         الأمر «video-port N»
  --tcp-port N           منفذ TCP لقناة الصور (الافتراضي 0: تختاره النواة)
  --name TEXT            اسم الكاميرا في رد التعريف (32 بايت على الأكثر)
  --value N              الوسيط الأول لرد التعريف (الافتراضي 1)
  --size WxH             حجم الصورة (الافتراضي 640x480)
  --fps N                عدد إطارات الفيديو في الثانية (الافتراضي 25)
  --gop N                عدد الإطارات من إطار مفتاحي إلى الإطار المفتاحي التالي (الافتراضي 25)
  --bitrate KBPS         معدل بت الفيديو (الافتراضي 1500)
  --fragment-size N      بايتات الحمولة في كل جزء، جزء واحد في كل حزمة بيانات (الافتراضي 1400)
  --attribute N          رمز سمة الفيديو لكل إطار (الافتراضي 0)
  --input FILE.h264      إرسال صور ملف Annex B هذا (بشكل متكرر) بدلًا من صورة الاختبار
  --loss N               إسقاط جزء من كل N جزء (الافتراضي 0: لا شيء)
  --heartbeat-ms N       فترة النبضات (الافتراضي 500؛ 0: بلا نبضات)
  --no-heartbeat         البدء والنبضات متوقفة
  --no-video             البدء والفيديو متوقف
  --no-identify          عدم الرد على طلبات التعريف
  --preview-fps N        عدد صور المعاينة في الثانية (الافتراضي 10)
  --quality N            جودة JPEG لصور المعاينة (الافتراضي 80)
  --drop-after N         قطع كل اتصال TCP بعد N صورة
  --at SECONDS:COMMAND   تنفيذ أمر بعد مدة من البدء (يمكن تكراره)
  --exit-on-stdin-eof    الإنهاء عند إغلاق الإدخال القياسي
  --duration SECONDS     الإنهاء بعد هذه المدة
  -h, --help             هذا النص
  --version              إصدار kavimo الذي ينتمي إليه هذا البرنامج

الأوامر (من الإدخال القياسي، أمر في كل سطر، أو عبر --at):
  key N                  كاميرا البث: إرسال زر الكاميرا N (81..85)؛ كاميرا الصور: التقاط
  capture                كاميرا الصور: إرسال صورة ملتقطة
  heartbeat on|off       بدء النبضات أو إيقافها
  video on|off           بدء الفيديو أو إيقافه
  identify on|off        الرد على طلبات التعريف أو عدم الرد
  drop                   كاميرا الصور: إغلاق اتصال TCP
  oversize               كاميرا الصور: إرسال رسالة معاينة أطول من 1048576 بايت
  loss N                 إسقاط جزء من كل N جزء من الآن فصاعدًا (0: لا شيء)
  loss-rate N            إسقاط أجزاء عشوائيًا، N في كل ألف، من الآن فصاعدًا (0: لا شيء)
  send CODE [A1 [A2]]    إرسال حزمة أوامر بهذه القيم إلى التطبيق
  app-port N             إرسال الردود والنبضات وضغطات الأزرار إلى هذا المنفذ من الآن فصاعدًا
  video-port N           إرسال الفيديو إلى هذا المنفذ من الآن فصاعدًا
  quit                   الإنهاء

المخرج القياسي: سطر واحد «camsim ready mode=... cmd_port=... ...» بعد ربط كل المقابس،
ثم أسطر «camsim event ...»، و«camsim bye» في النهاية. تُكتب الأخطاء إلى الخطأ القياسي.
</translation>
    </message>
    <message>
        <source>usage: kavimo-play [options] [FILE.h264]
Plays an H.264 elementary stream, or a generated test pattern when no file is given.
  --size WxH            size of the generated pattern (default 1280x720)
  --fps N               frame rate of the stream (default 25)
  --mode 0|1            render mode: 0 surface layer (default), 1 SDL
  --overlay             draw the statistics text over the video
  --frames N            stop after N frames
  --seconds S           stop after S seconds
  --loop                start a file again at its end
  --window WxH          size of the window (default: the pattern&apos;s size, 960x540 for a file)
  --no-pacing           show frames as fast as they can be drawn (pacing off, fed at once)
  --shot FILE.bmp       at the end, write the last frame shown (TEGMO_PLAY_VideoShotLast)
  --window-shot FILE.bmp  at the end, write what the window shows
  --record FILE.h264    also write the frames played to an elementary-stream file
  -h, --help            this text
  --version             the version of kavimo this program belongs to
</source>
        <translation>الاستخدام: kavimo-play [الخيارات] [FILE.h264]
يشغّل تدفق H.264 أوليًا، أو نمط اختبار مولَّدًا إن لم يُحدَّد ملف.
  --size WxH            حجم النمط المولَّد (الافتراضي 1280x720)
  --fps N               معدل إطارات التدفق (الافتراضي 25)
  --mode 0|1            وضع العرض: 0 طبقة سطح (الافتراضي)، 1 SDL
  --overlay             رسم نص الإحصاءات فوق الفيديو
  --frames N            التوقف بعد N إطار
  --seconds S           التوقف بعد S ثانية
  --loop                إعادة تشغيل الملف من بدايته عند انتهائه
  --window WxH          حجم النافذة (الافتراضي: حجم النمط، و960x540 للملف)
  --no-pacing           عرض الإطارات بأسرع ما يمكن رسمها (دون ضبط الإيقاع، تُغذّى دفعة واحدة)
  --shot FILE.bmp       في النهاية، كتابة آخر إطار معروض (TEGMO_PLAY_VideoShotLast)
  --window-shot FILE.bmp  في النهاية، كتابة ما تعرضه النافذة
  --record FILE.h264    كتابة الإطارات المشغّلة أيضًا إلى ملف تدفق أولي
  -h, --help            هذا النص
  --version             إصدار kavimo الذي ينتمي إليه هذا البرنامج
</translation>
    </message>
    <message>
        <source>Usage: kavimo-records [--drive-d DIR] [--data-group GROUP] COMMAND

Looks into the patient records of kavimo without changing them; tag sets a picture&apos;s
teeth and view beside them.

Commands:
  list        every patient: number, UID, name, sex, age, phone, diagnoses, pictures
  show UID    one patient&apos;s record, diagnoses and pictures with their teeth and views
              (UID20170801102233 or the digits)
  tag UID PICTURE [--teeth 11,21] [--view VIEW]
              sets the teeth (FDI numbers; empty: none) and the view of a picture, PICTURE
              as show names it (its number, path or file name); VIEW is frontal,
              left-buccal, right-buccal, upper-occlusal, lower-occlusal, close-up or other
              (empty: none). Refused while kavimo has the work directory open
  check       compares each patient&apos;s counts with its list files and picture files, checks
              that each picture holds a JPEG, and looks for missing backups and stray files;
              exit status 1 on a problem
  export-dicom UID DIR [--pacs-issuer TEXT]
              writes every picture of the patient into DIR/DICOM/ with a DICOMDIR
  send-dicom UID --pacs AET@HOST:PORT [--calling-aet AET] [--pacs-issuer TEXT] [TLS options]
              sends every picture of the patient to the archive, one line per picture
              (these two write the installation&apos;s identity, Installation.txt in the work
              directory, when there is none yet: every UID they make carries it)
  worklist --pacs AET@HOST:PORT [--calling-aet AET] [TLS options] [--date YYYYMMDD]
              the patients the worklist schedules for the day (today by default)
  audit [--since YYYYMMDD]
              the audit trail: who captured, saved, deleted, exported or sent what, and
              when, one event per line (from the day given on)

Options:
  --drive-d DIR   host directory that stands for the d: drive (default: $KAVIMO_DRIVE_D,
                  else paths/drive_d of kavimo.ini ($KAVIMO_CONFIG, else
                  ~/.config/kavimo/kavimo.ini), else $XDG_DATA_HOME/kavimo/d, i.e.
                  ~/.local/share/kavimo/d; without HOME it must be given)
  --data-group GROUP  the group that shares the records: what this program writes gets
                  mode 0660 (folders 0770) and the group (default: $KAVIMO_DATA_GROUP,
                  else paths/data_group of kavimo.ini, else none: 0600 and 0700)
  --pacs AET@HOST:PORT  the archive: its AE title, host and DICOM port
  --calling-aet AET     kavimo&apos;s own AE title (default KAVIMO)
  --pacs-issuer TEXT    Issuer of Patient ID for kavimo&apos;s own Patient IDs (default:
                        $KAVIMO_PACS_ISSUER, else KAVIMO- and 8 hex digits of the
                        installation&apos;s identity)
  --pacs-tls on|off     talk to the archive over TLS (default off: plain TCP)
  --pacs-tls-ca FILE    the CA certificates (PEM) the archive&apos;s certificate must chain to;
                        the certificate must also name the archive&apos;s host
  --pacs-tls-cert FILE  kavimo&apos;s own certificate (PEM), for archives that ask for one
  --pacs-tls-key FILE   the unencrypted private key (PEM) of that certificate
  --date YYYYMMDD       the worklist&apos;s day
  --since YYYYMMDD      the audit trail&apos;s first day
  --teeth LIST          tag: the picture&apos;s teeth, FDI numbers such as 11,21
  --view VIEW           tag: the picture&apos;s view
  -h, --help      this text
  --version       the version of kavimo this program belongs to

Exit status: 0 fine; 1 problems found, no such patient or picture, the work directory in
use, or a picture or file not written or not stored; 2 wrong usage or no work directory.
</source>
        <translation>الاستخدام: kavimo-records [--drive-d DIR] [--data-group GROUP] COMMAND

يطّلع على سجلات المرضى في kavimo دون تغييرها؛ ويحدّد الأمر tag أسنان الصورة
ومنظرها ويحفظهما بجانب السجلات.

الأوامر:
  list        كل المرضى: الرقم وUID والاسم والجنس والعمر والهاتف والتشخيصات والصور
  show UID    سجل مريض واحد وتشخيصاته وصوره مع أسنانها ومناظرها
              (UID20170801102233 أو أرقامه فقط)
  tag UID PICTURE [--teeth 11,21] [--view VIEW]
              يحدّد أسنان الصورة (أرقام FDI؛ فارغ: لا شيء) ومنظرها، وPICTURE هي
              الصورة كما يسمّيها show (رقمها أو مسارها أو اسم ملفها)؛ وVIEW هو frontal أو
              left-buccal أو right-buccal أو upper-occlusal أو lower-occlusal أو close-up أو other
              (فارغ: لا شيء). يُرفض ما دام kavimo يفتح مجلد العمل
  check       يقارن أعداد كل مريض بملفات قوائمه وملفات صوره، ويتحقق من أن
              كل صورة تحتوي على JPEG، ويبحث عن النسخ الاحتياطية المفقودة والملفات الدخيلة؛
              حالة الخروج 1 عند وجود مشكلة
  export-dicom UID DIR [--pacs-issuer TEXT]
              يكتب كل صور المريض في DIR/DICOM/ مع ملف DICOMDIR
  send-dicom UID --pacs AET@HOST:PORT [--calling-aet AET] [--pacs-issuer TEXT] [خيارات TLS]
              يرسل كل صور المريض إلى الأرشيف، سطرًا لكل صورة
              (يكتب هذان الأمران هوية التثبيت، Installation.txt في مجلد العمل،
              إن لم تكن موجودة بعد: كل UID يُنشئانه يحملها)
  worklist --pacs AET@HOST:PORT [--calling-aet AET] [خيارات TLS] [--date YYYYMMDD]
              المرضى المجدولون في قائمة العمل لذلك اليوم (اليوم الحالي افتراضيًا)
  audit [--since YYYYMMDD]
              سجل التدقيق: من التقط أو حفظ أو حذف أو صدّر أو أرسل ماذا، ومتى،
              حدثًا واحدًا في كل سطر (بدءًا من اليوم المحدد)

الخيارات:
  --drive-d DIR   مجلد المضيف الذي يقوم مقام محرك الأقراص d: (الافتراضي: $KAVIMO_DRIVE_D،
                  وإلا paths/drive_d في kavimo.ini ($KAVIMO_CONFIG، وإلا
                  ~/.config/kavimo/kavimo.ini)، وإلا $XDG_DATA_HOME/kavimo/d، أي
                  ~/.local/share/kavimo/d؛ ويجب تحديده إن لم يكن HOME معرّفًا)
  --data-group GROUP  المجموعة التي تتشارك السجلات: ما يكتبه هذا البرنامج يأخذ
                  الصلاحيات 0660 (والمجلدات 0770) وهذه المجموعة (الافتراضي: $KAVIMO_DATA_GROUP،
                  وإلا paths/data_group في kavimo.ini، وإلا لا شيء: 0600 و0700)
  --pacs AET@HOST:PORT  الأرشيف: عنوان AE الخاص به والمضيف ومنفذ DICOM
  --calling-aet AET     عنوان AE الخاص بـ kavimo (الافتراضي KAVIMO)
  --pacs-issuer TEXT    جهة إصدار معرّف المريض (Issuer of Patient ID) لمعرّفات المرضى الخاصة بـ kavimo (الافتراضي:
                        $KAVIMO_PACS_ISSUER، وإلا KAVIMO- متبوعًا بـ 8 أرقام ست عشرية من
                        هوية التثبيت)
  --pacs-tls on|off     الاتصال بالأرشيف عبر TLS (الافتراضي off: اتصال TCP عادي)
  --pacs-tls-ca FILE    شهادات CA (PEM) التي يجب أن تنتهي إليها سلسلة شهادة الأرشيف؛
                        ويجب أيضًا أن تحمل الشهادة اسم مضيف الأرشيف
  --pacs-tls-cert FILE  شهادة kavimo الخاصة (PEM)، للأرشيفات التي تطلب شهادة
  --pacs-tls-key FILE   المفتاح الخاص غير المشفّر (PEM) لتلك الشهادة
  --date YYYYMMDD       يوم قائمة العمل
  --since YYYYMMDD      اليوم الأول من سجل التدقيق
  --teeth LIST          tag: أسنان الصورة، بأرقام FDI مثل 11,21
  --view VIEW           tag: منظر الصورة
  -h, --help      هذا النص
  --version       إصدار kavimo الذي ينتمي إليه هذا البرنامج

حالة الخروج: 0 سليم؛ 1 وُجدت مشكلات، أو لا يوجد هذا المريض أو هذه الصورة، أو مجلد العمل
قيد الاستخدام، أو لم تُكتب صورة أو ملف أو لم تُحفظ؛ 2 استخدام خاطئ أو لا يوجد مجلد عمل.
</translation>
    </message>
    <message>
        <source>not a UID: %1</source>
        <translation>ليس UID صالحًا: %1</translation>
    </message>
    <message>
        <source>tag needs --teeth or --view</source>
        <translation>يتطلب tag الخيار --teeth أو --view</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>لم يُحدَّد أي أمر</translation>
    </message>
    <message>
        <source>--teeth and --view apply to tag only</source>
        <translation>الخياران --teeth و--view يخصّان tag فقط</translation>
    </message>
    <message>
        <source>--pacs, --calling-aet and the TLS options do not apply to %1</source>
        <translation>لا تنطبق --pacs و--calling-aet وخيارات TLS على %1</translation>
    </message>
    <message>
        <source>--pacs-tls-ca, --pacs-tls-cert and --pacs-tls-key need --pacs-tls on</source>
        <translation>تتطلب --pacs-tls-ca و--pacs-tls-cert و--pacs-tls-key الخيار --pacs-tls on</translation>
    </message>
    <message>
        <source>--pacs-issuer does not apply to %1</source>
        <translation>لا ينطبق --pacs-issuer على %1</translation>
    </message>
    <message>
        <source>--pacs-issuer needs 1 to 64 characters without a backslash</source>
        <translation>يتطلب --pacs-issuer من 1 إلى 64 حرفًا دون شرطة مائلة عكسية</translation>
    </message>
    <message>
        <source>--since applies to audit only</source>
        <translation>الخيار --since يخصّ audit فقط</translation>
    </message>
    <message>
        <source>--since needs YYYYMMDD</source>
        <translation>يتطلب --since تاريخًا بالصيغة YYYYMMDD</translation>
    </message>
    <message>
        <source>--date applies to worklist only</source>
        <translation>الخيار --date يخصّ worklist فقط</translation>
    </message>
    <message>
        <source>--date needs YYYYMMDD</source>
        <translation>يتطلب --date تاريخًا بالصيغة YYYYMMDD</translation>
    </message>
    <message>
        <source>%1 needs --pacs AET@HOST:PORT</source>
        <translation>يتطلب %1 الخيار --pacs AET@HOST:PORT</translation>
    </message>
    <message>
        <source>wrong arguments for %1</source>
        <translation>وسائط خاطئة لـ %1</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>أمر غير معروف: %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1: ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>%1: the line was written only in part (the disk may be full)</source>
        <translation>%1: كُتب السطر جزئيًا فقط (قد يكون القرص ممتلئًا)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1: تتعذر قراءته</translation>
    </message>
    <message>
        <source>line %1: no &quot;=&quot;</source>
        <extracomment>%1 is a line number of a &quot;Key=value&quot; file</extracomment>
        <translation>السطر %1: لا توجد علامة «=»</translation>
    </message>
    <message>
        <source>line %1: %2 given twice</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>السطر %1: المفتاح %2 مذكور مرتين</translation>
    </message>
    <message>
        <source>line %1: %2 is not UTF-8 text</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>السطر %1: قيمة %2 ليست نصًا بترميز UTF-8</translation>
    </message>
    <message>
        <source>%1 is not a YYYYMMDD date</source>
        <extracomment>%1 is a key of a &quot;Key=value&quot; file (&quot;BirthDate&quot;, &quot;Date&quot;)</extracomment>
        <translation>قيمة %1 ليست تاريخًا بالصيغة YYYYMMDD</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>تتعذر كتابة %1: %2</translation>
    </message>
    <message>
        <source>line %1: unknown key &quot;%2&quot;</source>
        <extracomment>%1 is a line number, %2 a key of the patient&apos;s details file</extracomment>
        <translation>السطر %1: مفتاح غير معروف «%2»</translation>
    </message>
    <message>
        <source>%1 is not one of M, F, O, U</source>
        <extracomment>%1 is the key of the sex in the patient&apos;s details file (&quot;Sex&quot;)</extracomment>
        <translation>قيمة %1 ليست أحد الأحرف M أو F أو O أو U</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>تتعذر قراءته</translation>
    </message>
    <message numerus="yes">
        <source>larger than %n bytes</source>
        <translation>
            <numerusform>أكبر من %n بايت</numerusform>
            <numerusform>أكبر من %n بايت</numerusform>
            <numerusform>أكبر من %n بايتين</numerusform>
            <numerusform>أكبر من %n بايتات</numerusform>
            <numerusform>أكبر من %n بايتًا</numerusform>
            <numerusform>أكبر من %n بايت</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cannot be read, or larger than %n bytes</source>
        <translation>
            <numerusform>تتعذر قراءته، أو حجمه أكبر من %n بايت</numerusform>
            <numerusform>تتعذر قراءته، أو حجمه أكبر من %n بايت</numerusform>
            <numerusform>تتعذر قراءته، أو حجمه أكبر من %n بايتين</numerusform>
            <numerusform>تتعذر قراءته، أو حجمه أكبر من %n بايتات</numerusform>
            <numerusform>تتعذر قراءته، أو حجمه أكبر من %n بايتًا</numerusform>
            <numerusform>تتعذر قراءته، أو حجمه أكبر من %n بايت</numerusform>
        </translation>
    </message>
    <message>
        <source>Frontal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>أمامي</translation>
    </message>
    <message>
        <source>Left buccal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>شدقي أيسر</translation>
    </message>
    <message>
        <source>Right buccal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>شدقي أيمن</translation>
    </message>
    <message>
        <source>Upper occlusal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>إطباقي علوي</translation>
    </message>
    <message>
        <source>Lower occlusal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>إطباقي سفلي</translation>
    </message>
    <message>
        <source>Close-up</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>مقرّب</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>view</comment>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>آخر</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an FDI tooth number (11-48, 51-85)</source>
        <translation>«%1» ليس رقم سنّ بنظام FDI (11-48، 51-85)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>تتعذر قراءته: %1</translation>
    </message>
    <message>
        <source>the first line is not &quot;%1&quot;</source>
        <translation>السطر الأول ليس «%1»</translation>
    </message>
    <message>
        <source>not three tab-separated fields</source>
        <translation>ليس ثلاثة حقول مفصولة بعلامات جدولة</translation>
    </message>
    <message>
        <source>not a picture&apos;s file name</source>
        <translation>ليس اسم ملف صورة</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <extracomment>%1 is the file name of a picture</extracomment>
        <translation>%1 مذكور مرتين</translation>
    </message>
    <message>
        <source>the teeth are not in ascending order, separated by commas</source>
        <translation>الأسنان ليست مرتّبة تصاعديًا ومفصولة بفواصل</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view</source>
        <translation>«%1» ليس منظرًا</translation>
    </message>
    <message>
        <source>neither teeth nor a view</source>
        <translation>لا أسنان ولا منظر</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>الملف فارغ</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the teeth file, %2 what is wrong with that line</extracomment>
        <translation>السطر %1: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>تتعذر إزالة %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged (%2); it is left as it is</source>
        <extracomment>%1 is the teeth file&apos;s name, %2 what is wrong with it</extracomment>
        <translation>%1 تالف (%2)؛ وقد تُرك كما هو</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be tagged</source>
        <translation>يتعذر تحديد أسنان «%1» ومنظرها</translation>
    </message>
    <message>
        <source>the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>تتعذر قراءة الفهرس</translation>
    </message>
    <message>
        <source>the index does not begin with &quot;%1&quot;</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>لا يبدأ الفهرس بـ «%1»</translation>
    </message>
    <message>
        <source>line %1 of the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>تتعذر قراءة السطر %1 من الفهرس</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no folder</source>
        <extracomment>%1 is the name of an entry of the trash, %2 the patient or picture it holds</extracomment>
        <translation>الإدخال %1 (%2) ليس له مجلد</translation>
    </message>
    <message>
        <source>cannot create the folder %1: something else has its name</source>
        <translation>يتعذر إنشاء المجلد %1: يوجد عنصر آخر بالاسم نفسه</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>يتعذر إنشاء المجلد %1: %2</translation>
    </message>
    <message>
        <source>cannot create a temporary folder in %1: %2</source>
        <translation>يتعذر إنشاء مجلد مؤقت في %1: %2</translation>
    </message>
    <message>
        <source>no free file name for the picture in %1</source>
        <translation>لا يوجد اسم ملف متاح للصورة في %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>a file of the DICOMDIR, then why it cannot be listed
----------
a picture, then why it cannot be made into a DICOM object
----------
a picture file, then why it cannot be made into a DICOM object</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>there is no picture to list in the DICOMDIR</source>
        <translation>لا توجد صورة لإدراجها في DICOMDIR</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <extracomment>%2 the system&apos;s reason</extracomment>
        <translation>يتعذر إنشاء %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: it does not hold this installation&apos;s identity. Restore it from a backup; remove it only to give this installation a new identity (pictures sent before then get new UIDs when they are sent again)</source>
        <translation>%1 تالف: لا يحتوي على هوية هذا التثبيت. استعده من نسخة احتياطية، ولا تحذفه إلا لمنح هذا التثبيت هوية جديدة (الصور المُرسلة قبل ذلك تحصل على معرّفات UID جديدة عند إرسالها مرة أخرى)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>تتعذر قراءة %1: %2</translation>
    </message>
    <message>
        <source>cannot write the outbox %1: %2</source>
        <translation>تتعذر كتابة صندوق الصادر %1: %2</translation>
    </message>
    <message>
        <source>cannot read the outbox %1: %2</source>
        <translation>تتعذر قراءة صندوق الصادر %1: %2</translation>
    </message>
    <message>
        <source>the sending failed: %1</source>
        <translation>فشل الإرسال: %1</translation>
    </message>
    <message numerus="yes">
        <source>refused %n times: %1</source>
        <translation>
            <numerusform>رُفضت %n مرة: %1</numerusform>
            <numerusform>رُفضت %n مرة: %1</numerusform>
            <numerusform>رُفضت %n مرتين: %1</numerusform>
            <numerusform>رُفضت %n مرات: %1</numerusform>
            <numerusform>رُفضت %n مرة: %1</numerusform>
            <numerusform>رُفضت %n مرة: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>warning</source>
        <translation>تحذير</translation>
    </message>
    <message>
        <source>attribute list error</source>
        <translation>خطأ في قائمة السمات</translation>
    </message>
    <message>
        <source>attribute value out of range</source>
        <translation>قيمة سمة خارج النطاق</translation>
    </message>
    <message>
        <source>processing failure</source>
        <translation>فشل في المعالجة</translation>
    </message>
    <message>
        <source>SOP class not supported</source>
        <translation>فئة SOP غير مدعومة</translation>
    </message>
    <message>
        <source>not authorised</source>
        <translation>غير مصرّح به</translation>
    </message>
    <message>
        <source>coercion of data elements</source>
        <translation>تعديل قسري لعناصر البيانات</translation>
    </message>
    <message>
        <source>elements discarded</source>
        <translation>حُذفت بعض العناصر</translation>
    </message>
    <message>
        <source>data set does not match SOP class</source>
        <translation>مجموعة البيانات لا تطابق فئة SOP</translation>
    </message>
    <message>
        <source>cannot understand</source>
        <translation>تعذّر فهم الطلب</translation>
    </message>
    <message>
        <source>out of resources</source>
        <translation>نفاد الموارد</translation>
    </message>
    <message>
        <source>status %1</source>
        <extracomment>%1 is a DICOM status number (0xA700)</extracomment>
        <translation>الحالة %1</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <extracomment>%1 is a DICOM status number (0xA700), %2 what it means (&quot;out of resources&quot;)</extracomment>
        <translation>الحالة %1: %2</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>يتعذر إعداد TLS: %1</translation>
    </message>
    <message>
        <source>TLS is on, but no CA certificate file is set to check the archive&apos;s certificate with</source>
        <translation>TLS مفعّل، لكن لم يُحدَّد ملف شهادة CA للتحقق به من شهادة الأرشيف</translation>
    </message>
    <message>
        <source>cannot read the CA certificate file %1: %2</source>
        <translation>تتعذر قراءة ملف شهادة CA %1: %2</translation>
    </message>
    <message>
        <source>the CA certificate file %1 holds no PEM certificate: %2</source>
        <translation>لا يحتوي ملف شهادة CA %1 على شهادة PEM: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS key file is set without its certificate file</source>
        <translation>حُدِّد ملف مفتاح TLS الخاص بـ kavimo دون ملف شهادته</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS certificate file is set without its key file</source>
        <translation>حُدِّد ملف شهادة TLS الخاص بـ kavimo دون ملف مفتاحها</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s certificate file %1: %2</source>
        <translation>تتعذر قراءة ملف شهادة kavimo %1: %2</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s key file %1: %2</source>
        <translation>تتعذر قراءة ملف مفتاح kavimo %1: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate file %1 holds no PEM certificate: %2</source>
        <translation>لا يحتوي ملف شهادة kavimo %1 على شهادة PEM: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 holds no unencrypted PEM private key</source>
        <translation>لا يحتوي ملف مفتاح kavimo %1 على مفتاح خاص PEM غير مشفّر</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 does not belong to the certificate %2</source>
        <translation>ملف مفتاح kavimo %1 لا يخص الشهادة %2</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1 (it is not made out to %2)</source>
        <extracomment>%1 is OpenSSL&apos;s reason, %2 the archive&apos;s host name or address</extracomment>
        <translation>شهادة الأرشيف غير موثوقة: %1 (ليست صادرة باسم %2)</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1</source>
        <extracomment>%1 is OpenSSL&apos;s reason</extracomment>
        <translation>شهادة الأرشيف غير موثوقة: %1</translation>
    </message>
    <message>
        <source>the archive %1 did not finish the TLS handshake in time</source>
        <translation>لم يُكمل الأرشيف %1 مصافحة TLS في الوقت المحدد</translation>
    </message>
    <message>
        <source>the TLS handshake with the archive %1 failed: %2</source>
        <translation>فشلت مصافحة TLS مع الأرشيف %1: %2</translation>
    </message>
    <message>
        <source>an entry without Patient ID</source>
        <translation>إدخال بلا معرّف مريض</translation>
    </message>
    <message>
        <source>patient &quot;%1&quot;</source>
        <translation>المريض «%1»</translation>
    </message>
    <message>
        <source>%1: %2 left out (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1: أُسقط حقل %2 (%3)</translation>
    </message>
    <message>
        <source>%1: %2 shortened or cleaned (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1: اختُصر حقل %2 أو نُقّي (%3)</translation>
    </message>
    <message>
        <source>%1: its texts cannot be read in the character set &quot;%2&quot; (%3); what is not UTF-8 is shown as %4</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a character set, %3 the converter&apos;s reason, %4 the replacement character</extracomment>
        <translation>%1: تتعذر قراءة نصوصه بمجموعة المحارف «%2» (%3)؛ ويُعرض ما ليس بترميز UTF-8 على هيئة %4</translation>
    </message>
    <message>
        <source>%1: left out, its Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Patient ID</extracomment>
        <translation>%1: أُسقط الإدخال، لأن معرّف المريض فيه غير صالح (%2)</translation>
    </message>
    <message>
        <source>%1: left out, its Issuer of Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Issuer of Patient ID</extracomment>
        <translation>%1: أُسقط الإدخال، لأن جهة إصدار معرّف المريض (Issuer of Patient ID) فيه غير صالحة (%2)</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>birth date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>تاريخ الميلاد</translation>
    </message>
    <message>
        <source>sex</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>الجنس</translation>
    </message>
    <message>
        <source>%1: sex left out (not F, M or O)</source>
        <extracomment>%1 names the worklist entry&apos;s patient</extracomment>
        <translation>%1: أُسقط حقل الجنس (ليس F أو M أو O)</translation>
    </message>
    <message>
        <source>Accession Number</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>رقم الطلب (Accession Number)</translation>
    </message>
    <message>
        <source>Study Instance UID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Study Instance UID</translation>
    </message>
    <message>
        <source>Requested Procedure ID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>معرّف الإجراء المطلوب (Requested Procedure ID)</translation>
    </message>
    <message>
        <source>Requested Procedure Description</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>وصف الإجراء المطلوب</translation>
    </message>
    <message>
        <source>referring physician</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>الطبيب المُحيل</translation>
    </message>
    <message>
        <source>scheduled date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>التاريخ المجدول</translation>
    </message>
    <message>
        <source>scheduled time</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>الوقت المجدول</translation>
    </message>
    <message>
        <source>modality</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>نمط التصوير</translation>
    </message>
    <message>
        <source>station</source>
        <extracomment>a field of a worklist entry (the AE title of the station it is scheduled on)</extracomment>
        <translation>المحطة</translation>
    </message>
    <message>
        <source>step description</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>وصف الخطوة</translation>
    </message>
    <message>
        <source>step ID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>معرّف الخطوة</translation>
    </message>
    <message>
        <source>no patient %1</source>
        <translation>لا يوجد المريض %1</translation>
    </message>
    <message>
        <source>refused %1: it is a link to %2, outside the work directory</source>
        <translation>رُفض %1: إنه رابط إلى %2 خارج مجلد العمل</translation>
    </message>
    <message>
        <source>refused %1: not a regular file</source>
        <translation>رُفض %1: ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>يتعذر فتح %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>تتعذر قراءة %1</translation>
    </message>
    <message>
        <source>the picture is too large for an object</source>
        <translation>الصورة أكبر من أن تُحفظ في كائن DICOM</translation>
    </message>
    <message>
        <source>no installation identity to make the object&apos;s UIDs with</source>
        <translation>لا توجد هوية تثبيت تُنشأ بها معرّفات UID للكائن</translation>
    </message>
    <message>
        <source>the order&apos;s Study Instance UID: %1</source>
        <translation>Study Instance UID الخاص بالطلب: %1</translation>
    </message>
    <message>
        <source>Patient ID: %1</source>
        <translation>معرّف المريض: %1</translation>
    </message>
    <message>
        <source>Issuer of Patient ID: %1</source>
        <translation>جهة إصدار معرّف المريض (Issuer of Patient ID): %1</translation>
    </message>
    <message>
        <source>Accession Number: %1</source>
        <translation>رقم الطلب (Accession Number): %1</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>لا تكفي الذاكرة للصورة</translation>
    </message>
    <message>
        <source>the object holds no JPEG data</source>
        <translation>لا يحتوي الكائن على بيانات JPEG</translation>
    </message>
    <message>
        <source>the object holds no RGB pixels</source>
        <translation>لا يحتوي الكائن على بكسلات RGB</translation>
    </message>
    <message>
        <source>cannot make the picture uncompressed: %1</source>
        <translation>يتعذر فك ضغط الصورة: %1</translation>
    </message>
    <message>
        <source>cannot make the picture JPEG: %1</source>
        <translation>يتعذر تحويل الصورة إلى JPEG: %1</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>ليس نصًا بترميز UTF-8</translation>
    </message>
    <message>
        <source>contains a backslash</source>
        <translation>يحتوي على شرطة مائلة عكسية</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>يحتوي على محرف تحكم</translation>
    </message>
    <message numerus="yes">
        <source>longer than %n characters</source>
        <translation>
            <numerusform>أطول من %n حرف</numerusform>
            <numerusform>أطول من %n حرف</numerusform>
            <numerusform>أطول من %n حرفين</numerusform>
            <numerusform>أطول من %n أحرف</numerusform>
            <numerusform>أطول من %n حرفًا</numerusform>
            <numerusform>أطول من %n حرف</numerusform>
        </translation>
    </message>
    <message>
        <source>more than three name groups</source>
        <translation>أكثر من ثلاث مجموعات في الاسم</translation>
    </message>
    <message numerus="yes">
        <source>a name group longer than %n characters</source>
        <translation>
            <numerusform>مجموعة في الاسم أطول من %n حرف</numerusform>
            <numerusform>مجموعة في الاسم أطول من %n حرف</numerusform>
            <numerusform>مجموعة في الاسم أطول من %n حرفين</numerusform>
            <numerusform>مجموعة في الاسم أطول من %n أحرف</numerusform>
            <numerusform>مجموعة في الاسم أطول من %n حرفًا</numerusform>
            <numerusform>مجموعة في الاسم أطول من %n حرف</numerusform>
        </translation>
    </message>
    <message>
        <source>more than five name components</source>
        <translation>أكثر من خمسة مكوّنات في الاسم</translation>
    </message>
    <message>
        <source>not a person name</source>
        <translation>ليس اسم شخص</translation>
    </message>
    <message>
        <source>not an AE title</source>
        <translation>ليس عنوان AE</translation>
    </message>
    <message>
        <source>not a code string</source>
        <translation>ليس سلسلة رمزية (Code String)</translation>
    </message>
    <message>
        <source>not a date</source>
        <translation>ليس تاريخًا</translation>
    </message>
    <message>
        <source>not a time</source>
        <translation>ليس وقتًا</translation>
    </message>
    <message>
        <source>not a UID</source>
        <translation>ليس UID صالحًا</translation>
    </message>
    <message>
        <source>an unknown VR</source>
        <translation>نوع قيمة (VR) غير معروف</translation>
    </message>
    <message>
        <source>the patient ID holds a control character or is not UTF-8 text</source>
        <translation>معرّف المريض يحتوي على محرف تحكم أو ليس نصًا بترميز UTF-8</translation>
    </message>
    <message>
        <source>the last name holds a control character or is not UTF-8 text</source>
        <translation>اسم العائلة يحتوي على محرف تحكم أو ليس نصًا بترميز UTF-8</translation>
    </message>
    <message>
        <source>the first name holds a control character or is not UTF-8 text</source>
        <translation>الاسم الأول يحتوي على محرف تحكم أو ليس نصًا بترميز UTF-8</translation>
    </message>
    <message>
        <source>the phone holds a control character or is not UTF-8 text</source>
        <translation>الهاتف يحتوي على محرف تحكم أو ليس نصًا بترميز UTF-8</translation>
    </message>
    <message numerus="yes">
        <source>the patient ID is longer than %n characters</source>
        <translation>
            <numerusform>معرّف المريض أطول من %n حرف</numerusform>
            <numerusform>معرّف المريض أطول من %n حرف</numerusform>
            <numerusform>معرّف المريض أطول من %n حرفين</numerusform>
            <numerusform>معرّف المريض أطول من %n أحرف</numerusform>
            <numerusform>معرّف المريض أطول من %n حرفًا</numerusform>
            <numerusform>معرّف المريض أطول من %n حرف</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the last name is longer than %n characters</source>
        <translation>
            <numerusform>اسم العائلة أطول من %n حرف</numerusform>
            <numerusform>اسم العائلة أطول من %n حرف</numerusform>
            <numerusform>اسم العائلة أطول من %n حرفين</numerusform>
            <numerusform>اسم العائلة أطول من %n أحرف</numerusform>
            <numerusform>اسم العائلة أطول من %n حرفًا</numerusform>
            <numerusform>اسم العائلة أطول من %n حرف</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the first name is longer than %n characters</source>
        <translation>
            <numerusform>الاسم الأول أطول من %n حرف</numerusform>
            <numerusform>الاسم الأول أطول من %n حرف</numerusform>
            <numerusform>الاسم الأول أطول من %n حرفين</numerusform>
            <numerusform>الاسم الأول أطول من %n أحرف</numerusform>
            <numerusform>الاسم الأول أطول من %n حرفًا</numerusform>
            <numerusform>الاسم الأول أطول من %n حرف</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the phone is longer than %n characters</source>
        <translation>
            <numerusform>الهاتف أطول من %n حرف</numerusform>
            <numerusform>الهاتف أطول من %n حرف</numerusform>
            <numerusform>الهاتف أطول من %n حرفين</numerusform>
            <numerusform>الهاتف أطول من %n أحرف</numerusform>
            <numerusform>الهاتف أطول من %n حرفًا</numerusform>
            <numerusform>الهاتف أطول من %n حرف</numerusform>
        </translation>
    </message>
    <message>
        <source>the patient ID is missing</source>
        <translation>لم يُحدَّد معرّف المريض</translation>
    </message>
    <message>
        <source>the patient ID &quot;%1&quot; holds a path character (&apos;/&apos; or &apos;\&apos;)</source>
        <translation>معرّف المريض «%1» يحتوي على محرف مسار (&apos;/&apos; أو &apos;\&apos;)</translation>
    </message>
    <message>
        <source>the last name is missing</source>
        <translation>لم يُحدَّد اسم العائلة</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>تاريخ الميلاد «%1» ليس تاريخًا (YYYYMMDD)</translation>
    </message>
    <message>
        <source>the birth date %1 lies in the future</source>
        <translation>تاريخ الميلاد %1 يقع في المستقبل</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O or U</source>
        <translation>الجنس «%1» ليس M أو F أو O أو U</translation>
    </message>
    <message>
        <source>the message is too long</source>
        <translation>الرسالة طويلة جدًا</translation>
    </message>
    <message>
        <source>the message does not start with &quot;%1&quot;</source>
        <translation>لا تبدأ الرسالة بـ «%1»</translation>
    </message>
    <message>
        <source>text follows the end line</source>
        <translation>يوجد نص بعد سطر النهاية</translation>
    </message>
    <message>
        <source>the message holds no PatientID</source>
        <translation>لا تحتوي الرسالة على PatientID</translation>
    </message>
    <message>
        <source>line %1 holds no &apos;=&apos;</source>
        <translation>لا يحتوي السطر %1 على &apos;=&apos;</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is repeated</source>
        <translation>المفتاح «%1» مكرّر</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the name of a picture</source>
        <translation>«%1» ليس اسم صورة</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>مفتاح غير معروف «%1»</translation>
    </message>
    <message>
        <source>the message has no end line</source>
        <translation>لا تحتوي الرسالة على سطر النهاية</translation>
    </message>
    <message numerus="yes">
        <source>the file is larger than %n KiB</source>
        <translation>
            <numerusform>حجم الملف أكبر من %n KiB</numerusform>
            <numerusform>حجم الملف أكبر من %n KiB</numerusform>
            <numerusform>حجم الملف أكبر من %n KiB</numerusform>
            <numerusform>حجم الملف أكبر من %n KiB</numerusform>
            <numerusform>حجم الملف أكبر من %n KiB</numerusform>
            <numerusform>حجم الملف أكبر من %n KiB</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is UTF-8 text, not ISO-8859-1</source>
        <translation>الملف نص بترميز UTF-8، وليس ISO-8859-1</translation>
    </message>
    <message>
        <source>the file is not ISO-8859-1 text (byte %1 at offset %2)</source>
        <translation>الملف ليس نصًا بترميز ISO-8859-1 (البايت %1 عند الموضع %2)</translation>
    </message>
    <message>
        <source>the transfer file has no [PATIENT] section</source>
        <translation>لا يحتوي ملف النقل على القسم [PATIENT]</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD or DD.MM.YYYY)</source>
        <translation>تاريخ الميلاد «%1» ليس تاريخًا (YYYYMMDD أو DD.MM.YYYY)</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, W, D or U</source>
        <translation>الجنس «%1» ليس M أو W أو D أو U</translation>
    </message>
    <message>
        <source>[MMOS] COUNT &quot;%1&quot; is not a number of pictures</source>
        <translation>القيمة COUNT «%1» في [MMOS] ليست عددًا للصور</translation>
    </message>
    <message>
        <source>[%1] MMOID &quot;%2&quot; is not a picture of kavimo&apos;s</source>
        <extracomment>%1 is a section of the transfer file (&quot;MMO1&quot;), %2 the picture name given there</extracomment>
        <translation>القيمة MMOID «%2» في [%1] ليست صورة من صور kavimo</translation>
    </message>
    <message>
        <source>[MMOPATH] PATH &quot;%1&quot; is not an absolute folder path</source>
        <translation>القيمة PATH «%1» في [MMOPATH] ليست مسار مجلد مطلقًا</translation>
    </message>
    <message>
        <source>the export names no pictures ([MMOS] COUNT)</source>
        <translation>لا يذكر التصدير أي صورة ([MMOS] COUNT)</translation>
    </message>
    <message>
        <source>the export folder %1 does not exist</source>
        <translation>مجلد التصدير %1 غير موجود</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>الصورة %1 ليست من صور المريض</translation>
    </message>
    <message>
        <source>cannot read the picture %1</source>
        <translation>تتعذر قراءة الصورة %1</translation>
    </message>
    <message>
        <source>the data group &quot;%1&quot; does not exist</source>
        <translation>مجموعة البيانات «%1» غير موجودة</translation>
    </message>
    <message>
        <source>this account is not a member of the data group &quot;%1&quot;</source>
        <translation>هذا الحساب ليس عضوًا في مجموعة البيانات «%1»</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder of this account&apos;s own for the records; give the d: drive&apos;s folder with --drive-d or KAVIMO_DRIVE_D</source>
        <translation>المتغير HOME غير معرّف، لذا لا يوجد مجلد خاص بهذا الحساب للسجلات؛ حدّد مجلد محرك الأقراص d: بـ --drive-d أو KAVIMO_DRIVE_D</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>the outcome of an event of the audit trail; keep it at most 7 characters</extracomment>
        <translation>ناجح</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>فاشل</translation>
    </message>
    <message>
        <source>Audit trail %1 (%2)</source>
        <translation>سجل التدقيق %1 (%2)</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>حدث واحد</translation>
    </message>
    <message numerus="yes">
        <source>%n events</source>
        <translation>
            <numerusform>%n حدث</numerusform>
            <numerusform>%n حدث</numerusform>
            <numerusform>%n حدثان</numerusform>
            <numerusform>%n أحداث</numerusform>
            <numerusform>%n حدثًا</numerusform>
            <numerusform>%n حدث</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event since %1</source>
        <translation>حدث واحد منذ %1</translation>
    </message>
    <message numerus="yes">
        <source>%n events since %1</source>
        <translation>
            <numerusform>%n حدث منذ %1</numerusform>
            <numerusform>%n حدث منذ %1</numerusform>
            <numerusform>%n حدثان منذ %1</numerusform>
            <numerusform>%n أحداث منذ %1</numerusform>
            <numerusform>%n حدثًا منذ %1</numerusform>
            <numerusform>%n حدث منذ %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; 1 line skipped, not a whole event</source>
        <extracomment>%1 the events shown, such as &quot;2 events since 20240305&quot;</extracomment>
        <translation>%1؛ تُخطّي سطر واحد لا يمثّل حدثًا كاملًا</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n lines skipped, not a whole event</source>
        <translation>
            <numerusform>%1؛ عدد الأسطر المتخطّاة لأنها لا تمثّل حدثًا كاملًا: %n</numerusform>
            <numerusform>%1؛ عدد الأسطر المتخطّاة لأنها لا تمثّل حدثًا كاملًا: %n</numerusform>
            <numerusform>%1؛ عدد الأسطر المتخطّاة لأنها لا تمثّل حدثًا كاملًا: %n</numerusform>
            <numerusform>%1؛ عدد الأسطر المتخطّاة لأنها لا تمثّل حدثًا كاملًا: %n</numerusform>
            <numerusform>%1؛ عدد الأسطر المتخطّاة لأنها لا تمثّل حدثًا كاملًا: %n</numerusform>
            <numerusform>%1؛ عدد الأسطر المتخطّاة لأنها لا تمثّل حدثًا كاملًا: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>problem: %1: %2</source>
        <extracomment>a finding of kavimo-records check: %1 the file or folder, %2 what is wrong with it</extracomment>
        <translation>مشكلة: %1: %2</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <extracomment>a finding of kavimo-records check: %1 the file or folder, %2 what may be wrong with it</extracomment>
        <translation>تحذير: %1: %2</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file cannot be read</source>
        <translation>الصورة %1 «%2»: تتعذر قراءة الملف</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (content: %3)</source>
        <extracomment>%3 the name of a picture format, such as PNG</extracomment>
        <translation>الصورة %1 «%2»: ليست صورة JPEG (المحتوى: %3)</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (the file is empty)</source>
        <translation>الصورة %1 «%2»: ليست صورة JPEG (الملف فارغ)</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (unknown content)</source>
        <translation>الصورة %1 «%2»: ليست صورة JPEG (محتوى غير معروف)</translation>
    </message>
    <message>
        <source>1 patient</source>
        <translation>مريض واحد</translation>
    </message>
    <message numerus="yes">
        <source>%n patients</source>
        <translation>
            <numerusform>%n مريض</numerusform>
            <numerusform>%n مريض</numerusform>
            <numerusform>%n مريضان</numerusform>
            <numerusform>%n مرضى</numerusform>
            <numerusform>%n مريضًا</numerusform>
            <numerusform>%n مريض</numerusform>
        </translation>
    </message>
    <message>
        <source>missing, but the record counts 1 record</source>
        <translation>مفقود، لكن سجل المريض يذكر سجلًا واحدًا</translation>
    </message>
    <message numerus="yes">
        <source>missing, but the record counts %n records</source>
        <translation>
            <numerusform>مفقود، لكن سجل المريض يذكر %n سجل</numerusform>
            <numerusform>مفقود، لكن سجل المريض يذكر %n سجل</numerusform>
            <numerusform>مفقود، لكن سجل المريض يذكر %n سجلين</numerusform>
            <numerusform>مفقود، لكن سجل المريض يذكر %n سجلات</numerusform>
            <numerusform>مفقود، لكن سجل المريض يذكر %n سجلًا</numerusform>
            <numerusform>مفقود، لكن سجل المريض يذكر %n سجل</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (created empty when the patient is selected)</source>
        <translation>مفقود (يُنشأ فارغًا عند اختيار المريض)</translation>
    </message>
    <message>
        <source>%1 bytes is not a whole number of %2-byte records</source>
        <translation>الحجم %1 بايت ليس عددًا صحيحًا من السجلات ذات %2 بايت</translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1</source>
        <extracomment>%1 the count in the patient&apos;s record</extracomment>
        <translation>يحتوي على سجل واحد، وسجل المريض يذكر %1</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1</source>
        <translation>
            <numerusform>يحتوي على %n سجل، وسجل المريض يذكر %1</numerusform>
            <numerusform>يحتوي على %n سجل، وسجل المريض يذكر %1</numerusform>
            <numerusform>يحتوي على %n سجلين، وسجل المريض يذكر %1</numerusform>
            <numerusform>يحتوي على %n سجلات، وسجل المريض يذكر %1</numerusform>
            <numerusform>يحتوي على %n سجلًا، وسجل المريض يذكر %1</numerusform>
            <numerusform>يحتوي على %n سجل، وسجل المريض يذكر %1</numerusform>
        </translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>يحتوي على سجل واحد، وسجل المريض يذكر %1 (يُحذف الزائد عند إعادة كتابة الملف)</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>
            <numerusform>يحتوي على %n سجل، وسجل المريض يذكر %1 (يُحذف الزائد عند إعادة كتابة الملف)</numerusform>
            <numerusform>يحتوي على %n سجل، وسجل المريض يذكر %1 (يُحذف الزائد عند إعادة كتابة الملف)</numerusform>
            <numerusform>يحتوي على %n سجلين، وسجل المريض يذكر %1 (يُحذف الزائد عند إعادة كتابة الملف)</numerusform>
            <numerusform>يحتوي على %n سجلات، وسجل المريض يذكر %1 (يُحذف الزائد عند إعادة كتابة الملف)</numerusform>
            <numerusform>يحتوي على %n سجلًا، وسجل المريض يذكر %1 (يُحذف الزائد عند إعادة كتابة الملف)</numerusform>
            <numerusform>يحتوي على %n سجل، وسجل المريض يذكر %1 (يُحذف الزائد عند إعادة كتابة الملف)</numerusform>
        </translation>
    </message>
    <message>
        <source>a link, not the folder of the originals</source>
        <translation>رابط، وليس مجلد الصور الأصلية</translation>
    </message>
    <message>
        <source>stray directory among the originals</source>
        <translation>مجلد دخيل بين الصور الأصلية</translation>
    </message>
    <message>
        <source>left over from an interrupted copy of an original</source>
        <translation>متبقٍّ من نسخ مقطوع لصورة أصلية</translation>
    </message>
    <message>
        <source>an original without its picture</source>
        <translation>صورة أصلية لا توجد صورتها المقابلة</translation>
    </message>
    <message>
        <source>damaged teeth and views (%1)</source>
        <translation>بيانات الأسنان والمناظر تالفة (%1)</translation>
    </message>
    <message>
        <source>teeth of %1, which is not there (Update forgets them)</source>
        <translation>أسنان محدّدة للصورة %1 غير الموجودة (يتجاهلها «تحديث»)</translation>
    </message>
    <message>
        <source>holds the record of %1</source>
        <translation>يحتوي على سجل %1</translation>
    </message>
    <message>
        <source>the record names the directory &quot;%1&quot;</source>
        <translation>يذكر السجل المجلد «%1»</translation>
    </message>
    <message>
        <source>%1 bytes instead of 1032</source>
        <translation>%1 بايت بدلًا من 1032</translation>
    </message>
    <message>
        <source>negative counts in the record</source>
        <translation>أعداد سالبة في السجل</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; belongs to %3</source>
        <translation>الصورة %1 «%2» تخص %3</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; lies outside the patient&apos;s directory</source>
        <translation>الصورة %1 «%2» تقع خارج مجلد المريض</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file is missing</source>
        <translation>الصورة %1 «%2»: الملف مفقود</translation>
    </message>
    <message>
        <source>stray directory in a patient directory</source>
        <translation>مجلد دخيل داخل مجلد مريض</translation>
    </message>
    <message>
        <source>left over from an interrupted rewrite</source>
        <translation>متبقٍّ من إعادة كتابة مقطوعة</translation>
    </message>
    <message>
        <source>picture not in the picture list (Update rebuilds it)</source>
        <translation>صورة غير موجودة في قائمة الصور (يعيد «تحديث» بناء القائمة)</translation>
    </message>
    <message>
        <source>damaged patient details (%1); the record stands in for them</source>
        <translation>بيانات المريض تالفة (%1)؛ ويحلّ السجل محلها</translation>
    </message>
    <message>
        <source>damaged worklist order (%1); its pictures go into kavimo&apos;s own study of their day</source>
        <translation>طلب قائمة العمل تالف (%1)؛ وتُضاف صوره إلى دراسة kavimo الخاصة بيومها</translation>
    </message>
    <message>
        <source>stray file</source>
        <translation>ملف دخيل</translation>
    </message>
    <message>
        <source>not in the trash index (removed after 30 days)</source>
        <translation>غير موجود في فهرس سلة المهملات (يُزال بعد 30 يومًا)</translation>
    </message>
    <message>
        <source>no work directory at %1</source>
        <translation>لا يوجد مجلد عمل في %1</translation>
    </message>
    <message>
        <source>damaged: not an installation identity (restore it from a backup)</source>
        <translation>تالف: ليس هوية تثبيت (استعده من نسخة احتياطية)</translation>
    </message>
    <message>
        <source>a link, not a directory; not a patient</source>
        <translation>رابط، وليس مجلدًا؛ ليس مريضًا</translation>
    </message>
    <message>
        <source>missing backup: no %1, so the patient is not in the patient list</source>
        <translation>نسخة احتياطية مفقودة: لا يوجد %1، لذا المريض ليس في قائمة المرضى</translation>
    </message>
    <message>
        <source>incomplete backup: %1 of 1032 bytes; not in the patient list</source>
        <translation>نسخة احتياطية غير مكتملة: %1 من 1032 بايت؛ ليس في قائمة المرضى</translation>
    </message>
    <message>
        <source>UID is not above the one before it in list order</source>
        <translation>المعرّف UID ليس أكبر من الذي يسبقه في ترتيب القائمة</translation>
    </message>
    <message numerus="yes">
        <source>more than %n patients</source>
        <translation>
            <numerusform>أكثر من %n مريض</numerusform>
            <numerusform>أكثر من %n مريض</numerusform>
            <numerusform>أكثر من %n مريضين</numerusform>
            <numerusform>أكثر من %n مرضى</numerusform>
            <numerusform>أكثر من %n مريضًا</numerusform>
            <numerusform>أكثر من %n مريض</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (regenerated at the next start)</source>
        <translation>مفقود (يُعاد إنشاؤه عند التشغيل التالي)</translation>
    </message>
    <message>
        <source>%1 for %2 (regenerated at the next start)</source>
        <extracomment>%1 the entries of the patient list file, such as &quot;3 records&quot;; %2 the patients, such as &quot;2 patients&quot;</extracomment>
        <translation>%1 لـ %2 (يُعاد إنشاؤه عند التشغيل التالي)</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>سجل واحد</translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n سجل</numerusform>
            <numerusform>%n سجل</numerusform>
            <numerusform>%n سجلان</numerusform>
            <numerusform>%n سجلات</numerusform>
            <numerusform>%n سجلًا</numerusform>
            <numerusform>%n سجل</numerusform>
        </translation>
    </message>
    <message>
        <source>odd length: not UTF-16 text</source>
        <translation>طول فردي: ليس نصًا بترميز UTF-16</translation>
    </message>
    <message>
        <source>%1 checked: %2, %3.</source>
        <extracomment>the summary of kavimo-records check: %1 such as &quot;2 patients&quot;, %2 such as &quot;0 problems&quot;, %3 such as &quot;1 warning&quot;</extracomment>
        <translation>فُحص %1: %2، %3.</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>مشكلة واحدة</translation>
    </message>
    <message numerus="yes">
        <source>%n problems</source>
        <translation>
            <numerusform>%n مشكلة</numerusform>
            <numerusform>%n مشكلة</numerusform>
            <numerusform>%n مشكلتان</numerusform>
            <numerusform>%n مشكلات</numerusform>
            <numerusform>%n مشكلة</numerusform>
            <numerusform>%n مشكلة</numerusform>
        </translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>تحذير واحد</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n تحذير</numerusform>
            <numerusform>%n تحذير</numerusform>
            <numerusform>%n تحذيران</numerusform>
            <numerusform>%n تحذيرات</numerusform>
            <numerusform>%n تحذيرًا</numerusform>
            <numerusform>%n تحذير</numerusform>
        </translation>
    </message>
    <message>
        <source>not an archive address (AET@HOST:PORT): %1</source>
        <translation>ليس عنوان أرشيف (AET@HOST:PORT): %1</translation>
    </message>
    <message>
        <source>not an AE title: %1</source>
        <translation>ليس عنوان AE: %1</translation>
    </message>
    <message>
        <source>Exporting %1 of %2: %3</source>
        <extracomment>the progress line of kavimo-records export-dicom: %1 of %2 pictures, %3 the picture&apos;s name</extracomment>
        <translation>جارٍ تصدير %1 من %2: %3</translation>
    </message>
    <message>
        <source>%1 of 1 picture written</source>
        <translation>كُتبت %1 من صورة واحدة</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures written</source>
        <translation>
            <numerusform>كُتبت %1 من %n صورة</numerusform>
            <numerusform>كُتبت %1 من %n صورة</numerusform>
            <numerusform>كُتبت %1 من %n صورتين</numerusform>
            <numerusform>كُتبت %1 من %n صور</numerusform>
            <numerusform>كُتبت %1 من %n صورة</numerusform>
            <numerusform>كُتبت %1 من %n صورة</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why it was not stored</extracomment>
        <translation>%1: فشل: %2</translation>
    </message>
    <message>
        <source>%1: not sent: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why the archive cannot be reached</extracomment>
        <translation>%1: لم تُرسل: %2</translation>
    </message>
    <message>
        <source>%1: stored as %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 the UID the archive stored it as</extracomment>
        <translation>%1: حُفظت باسم %2</translation>
    </message>
    <message>
        <source>%1 of 1 picture stored in %2</source>
        <extracomment>%2 the archive, such as PACS@host:104</extracomment>
        <translation>حُفظت %1 من صورة واحدة في %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures stored in %2</source>
        <translation>
            <numerusform>حُفظت %1 من %n صورة في %2</numerusform>
            <numerusform>حُفظت %1 من %n صورة في %2</numerusform>
            <numerusform>حُفظت %1 من %n صورتين في %2</numerusform>
            <numerusform>حُفظت %1 من %n صور في %2</numerusform>
            <numerusform>حُفظت %1 من %n صورة في %2</numerusform>
            <numerusform>حُفظت %1 من %n صورة في %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Worklist of %1: 1 scheduled patient</source>
        <extracomment>%1 the day, YYYYMMDD</extracomment>
        <translation>قائمة عمل %1: مريض مجدول واحد</translation>
    </message>
    <message numerus="yes">
        <source>Worklist of %1: %n scheduled patients</source>
        <translation>
            <numerusform>قائمة عمل %1: %n مريض مجدول</numerusform>
            <numerusform>قائمة عمل %1: %n مريض مجدول</numerusform>
            <numerusform>قائمة عمل %1: %n مريضان مجدولان</numerusform>
            <numerusform>قائمة عمل %1: %n مرضى مجدولين</numerusform>
            <numerusform>قائمة عمل %1: %n مريضًا مجدولًا</numerusform>
            <numerusform>قائمة عمل %1: %n مريض مجدول</numerusform>
        </translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>a column heading of kavimo-records worklist: the scheduled time</extracomment>
        <translation>الوقت</translation>
    </message>
    <message>
        <source>Patient ID</source>
        <extracomment>a column heading of kavimo-records worklist</extracomment>
        <translation>معرّف المريض</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>a column heading of kavimo-records worklist
----------
a column heading of kavimo-records list</extracomment>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Born</source>
        <extracomment>a column heading of kavimo-records worklist: the birth date</extracomment>
        <translation>الميلاد</translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>a column heading of kavimo-records worklist: the letter M, F or O
----------
a column heading of kavimo-records list</extracomment>
        <translation>جنس</translation>
    </message>
    <message>
        <source>Procedure</source>
        <extracomment>a column heading of kavimo-records worklist: the scheduled procedure</extracomment>
        <translation>الإجراء</translation>
    </message>
    <message numerus="yes">
        <source>(list cut at %n entries; the archive schedules more)</source>
        <translation>
            <numerusform>(اقتُطعت القائمة عند %n إدخال؛ ويجدول الأرشيف المزيد)</numerusform>
            <numerusform>(اقتُطعت القائمة عند %n إدخال؛ ويجدول الأرشيف المزيد)</numerusform>
            <numerusform>(اقتُطعت القائمة عند %n إدخالين؛ ويجدول الأرشيف المزيد)</numerusform>
            <numerusform>(اقتُطعت القائمة عند %n إدخالات؛ ويجدول الأرشيف المزيد)</numerusform>
            <numerusform>(اقتُطعت القائمة عند %n إدخالًا؛ ويجدول الأرشيف المزيد)</numerusform>
            <numerusform>(اقتُطعت القائمة عند %n إدخال؛ ويجدول الأرشيف المزيد)</numerusform>
        </translation>
    </message>
    <message>
        <source>male</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>ذكر</translation>
    </message>
    <message>
        <source>female</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>أنثى</translation>
    </message>
    <message>
        <source>Work directory %1 (%2)</source>
        <translation>مجلد العمل %1 (%2)</translation>
    </message>
    <message>
        <source>Hospital: %1</source>
        <translation>العيادة: %1</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(غير مُعيَّن)</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number in the list</extracomment>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Age</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>عمر</translation>
    </message>
    <message>
        <source>Phone</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>الهاتف</translation>
    </message>
    <message>
        <source>Diags</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of diagnoses</extracomment>
        <translation>تشخيص</translation>
    </message>
    <message>
        <source>Pics</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of pictures</extracomment>
        <translation>صور</translation>
    </message>
    <message>
        <source>Details:</source>
        <extracomment>a label of kavimo-records show: the details typed for the patient</extracomment>
        <translation>البيانات:</translation>
    </message>
    <message>
        <source>none (%1 is missing)</source>
        <translation>لا شيء (%1 مفقود)</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 تالف: %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>من %1</translation>
    </message>
    <message>
        <source>other</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>آخر</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>the patient&apos;s sex: not known</extracomment>
        <translation>غير معروف</translation>
    </message>
    <message>
        <source>Full name:</source>
        <translation>الاسم الكامل:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>الهاتف:</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>تاريخ الميلاد:</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>الجنس:</translation>
    </message>
    <message>
        <source>Patient ID:</source>
        <translation>معرّف المريض:</translation>
    </message>
    <message>
        <source>Issuer:</source>
        <extracomment>the issuer of the patient&apos;s outside Patient ID</extracomment>
        <translation>جهة الإصدار:</translation>
    </message>
    <message>
        <source>Worklist name:</source>
        <extracomment>the patient&apos;s name as the worklist wrote it</extracomment>
        <translation>الاسم في قائمة العمل:</translation>
    </message>
    <message>
        <source>no patient %1 in %2</source>
        <translation>لا يوجد المريض %1 في %2</translation>
    </message>
    <message>
        <source>Patient %1 of %2</source>
        <translation>المريض %1 من %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>الاسم:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>العمر:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <extracomment>a label of kavimo-records show: the patient&apos;s folder</extracomment>
        <translation>المجلد:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>الوصف:</translation>
    </message>
    <message>
        <source>%1 (%2 holds %3)</source>
        <extracomment>%1 the count in the patient&apos;s record, %2 a list file, %3 the entries the file holds</extracomment>
        <translation>%1 (يحتوي %2 على %3)</translation>
    </message>
    <message>
        <source>Diagnoses:</source>
        <translation>التشخيصات:</translation>
    </message>
    <message>
        <source>Teeth:</source>
        <translation>الأسنان:</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>الصور:</translation>
    </message>
    <message>
        <source>[missing]</source>
        <extracomment>after a picture of kavimo-records show whose file is not there</extracomment>
        <translation>[مفقودة]</translation>
    </message>
    <message>
        <source>--drive-d needs a directory</source>
        <translation>يتطلب --drive-d مجلدًا</translation>
    </message>
    <message>
        <source>--data-group needs a group</source>
        <translation>يتطلب --data-group مجموعة</translation>
    </message>
    <message>
        <source>--pacs-issuer needs a text</source>
        <translation>يتطلب --pacs-issuer نصًا</translation>
    </message>
    <message>
        <source>--pacs-tls needs on or off</source>
        <translation>يتطلب --pacs-tls القيمة on أو off</translation>
    </message>
    <message>
        <source>--teeth needs FDI numbers such as 11,21</source>
        <translation>يتطلب --teeth أرقام FDI مثل 11,21</translation>
    </message>
    <message>
        <source>--view needs a view</source>
        <translation>يتطلب --view منظرًا</translation>
    </message>
    <message>
        <source>teeth %1</source>
        <extracomment>under a picture: %1 its teeth, FDI numbers such as 11,21</extracomment>
        <translation>الأسنان %1</translation>
    </message>
    <message>
        <source>view %1</source>
        <extracomment>under a picture: %1 its view, a keyword such as frontal</extracomment>
        <translation>المنظر %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view (%2)</source>
        <extracomment>%2 the view keywords, such as &quot;frontal, left-buccal, ...&quot;</extracomment>
        <translation>«%1» ليس منظرًا (%2)</translation>
    </message>
    <message>
        <source>%1 has no picture %2 in its directory (see show %1)</source>
        <extracomment>%1 the patient&apos;s UID, %2 the picture asked for; &quot;show&quot; is a command name</extracomment>
        <translation>لا توجد في مجلد %1 صورة %2 (انظر show %1)</translation>
    </message>
    <message>
        <source>cannot be tagged</source>
        <translation>يتعذر تحديد الأسنان والمنظر</translation>
    </message>
    <message>
        <source>the audit trail was not written: %1</source>
        <translation>لم يُكتب سجل التدقيق: %1</translation>
    </message>
    <message>
        <source>no teeth, no view</source>
        <translation>بلا أسنان ولا منظر</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 a command-line option such as --name</extracomment>
        <translation>يحتاج %1 إلى قيمة</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>%1 what was given on the command line</extracomment>
        <translation>خيار غير معروف: %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>وسيط غير متوقع: %1</translation>
    </message>
</context>
</TS>
