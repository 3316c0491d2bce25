<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>kavimo</name>
    <message>
        <source>The pictures cannot be queued for the archive (PACS): the disk may be full or kavimo&apos;s folder not writable. Free some space or ask your technician (%1).</source>
        <translation>Снимки не удаётся поставить в очередь на отправку в архив (PACS): возможно, диск заполнен или папка kavimo недоступна для записи. Освободите место или обратитесь к специалисту по технической поддержке (%1).</translation>
    </message>
    <message>
        <source>Sending %1 of %2 to the PACS…</source>
        <translation>Отправка в PACS: %1 из %2…</translation>
    </message>
    <message>
        <source>PACS not reachable: %1 waiting, sent when it answers. Check the network and the archive&apos;s address in Settings.</source>
        <translation>PACS недоступен: ожидают отправки %1, они будут отправлены, когда архив ответит. Проверьте сеть и адрес архива в настройках.</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS; the archive refused %3. Ask its administrator (see the log).</source>
        <translation>Отправлено в PACS: %1 из %2; архив отклонил %3. Обратитесь к его администратору (см. журнал).</translation>
    </message>
    <message>
        <source>PACS: %1</source>
        <translation>PACS: %1</translation>
    </message>
    <message>
        <source>Sent %1 of %2 to the PACS</source>
        <translation>Отправлено в PACS: %1 из %2</translation>
    </message>
    <message>
        <source>No archive (PACS) is set up. Enter its AE title, host and port in the Settings dialog: right-click the main window and choose &quot;Settings...&quot;, then restart kavimo.</source>
        <translation>Архив (PACS) не настроен. Укажите его AE title, хост и порт в окне настроек: щёлкните правой кнопкой мыши по главному окну, выберите «Настройки...» и перезапустите kavimo.</translation>
    </message>
    <message>
        <source>PACS (the clinic&apos;s archive)</source>
        <translation>PACS (архив клиники)</translation>
    </message>
    <message>
        <source>Archive AE title</source>
        <translation>AE title архива</translation>
    </message>
    <message>
        <source>none: no archive</source>
        <translation>нет: без архива</translation>
    </message>
    <message>
        <source>Archive host</source>
        <translation>Хост архива</translation>
    </message>
    <message>
        <source>Archive DICOM port</source>
        <translation>DICOM-порт архива</translation>
    </message>
    <message>
        <source>kavimo&apos;s AE title</source>
        <translation>AE title kavimo</translation>
    </message>
    <message>
        <source>Send every stored picture (on/off)</source>
        <translation>Отправлять каждый сохранённый снимок (on/off)</translation>
    </message>
    <message>
        <source>Worklist modality</source>
        <translation>Модальность в расписании (worklist)</translation>
    </message>
    <message>
        <source>Worklist of this station or all (this/all)</source>
        <translation>Расписание этой станции или всех станций (this/all)</translation>
    </message>
    <message>
        <source>Connect over TLS (the archive must show a certificate the CA signed)</source>
        <translation>Подключаться по TLS (архив должен предъявить сертификат, подписанный ЦС)</translation>
    </message>
    <message>
        <source>CA certificates to trust (PEM)</source>
        <translation>Доверенные сертификаты ЦС (PEM)</translation>
    </message>
    <message>
        <source>required with TLS</source>
        <translation>обязательно при TLS</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate (PEM)</source>
        <translation>Сертификат kavimo (PEM)</translation>
    </message>
    <message>
        <source>none: only if the archive asks for one</source>
        <translation>нет: нужен, только если архив его запрашивает</translation>
    </message>
    <message>
        <source>kavimo&apos;s private key (PEM)</source>
        <translation>Закрытый ключ kavimo (PEM)</translation>
    </message>
    <message>
        <source>none: goes with the certificate</source>
        <translation>нет: указывается вместе с сертификатом</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>Проверить связь</translation>
    </message>
    <message>
        <source>Give the archive&apos;s AE title, host and port first.</source>
        <translation>Сначала укажите AE title, хост и порт архива.</translation>
    </message>
    <message>
        <source>Connecting to %1%2…</source>
        <translation>Подключение к %1%2…</translation>
    </message>
    <message>
        <source> over TLS</source>
        <translation> по TLS</translation>
    </message>
    <message>
        <source>%1 answers.</source>
        <translation>%1 отвечает.</translation>
    </message>
    <message>
        <source>Worklist</source>
        <translation>График</translation>
    </message>
    <message>
        <source>Patients scheduled for %1 (only the first %2: the PACS sent more):</source>
        <translation>Пациенты, записанные на %1 (показаны только первые %2: PACS прислал больше):</translation>
    </message>
    <message>
        <source>The worklist schedules no patient for %1.</source>
        <translation>В расписании нет пациентов, записанных на %1.</translation>
    </message>
    <message>
        <source>Patients scheduled for %1:</source>
        <translation>Пациенты, записанные на %1:</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Patient ID</source>
        <translation>ID пациента</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>ФИО</translation>
    </message>
    <message>
        <source>Born</source>
        <translation>Дата рожд.</translation>
    </message>
    <message>
        <source>Sex</source>
        <translation>Пол</translation>
    </message>
    <message>
        <source>Accession</source>
        <translation>№ исследования</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>Процедура</translation>
    </message>
    <message>
        <source>Not taken as the PACS sent it:
</source>
        <translation>Не принято в том виде, в каком прислал PACS:
</translation>
    </message>
    <message>
        <source>
… and %1 more</source>
        <translation>
… и ещё %1</translation>
    </message>
    <message>
        <source>Another day:</source>
        <translation>Другой день:</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>Asking the PACS for the worklist of %1…</source>
        <translation>Запрос расписания на %1 у PACS…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Cannot read the worklist: %1</source>
        <translation>Не удаётся прочитать расписание: %1</translation>
    </message>
    <message>
        <source>The demo cannot start: %1.</source>
        <translation>Не удаётся запустить демонстрацию: %1.</translation>
    </message>
    <message>
        <source>Oral image acquisition system</source>
        <translation>Система получения внутриротовых изображений</translation>
    </message>
    <message>
        <source>the running kavimo did not open patient %1: %2</source>
        <translation>запущенная программа kavimo не открыла пациента %1: %2</translation>
    </message>
    <message>
        <source>the patient was not opened: %1</source>
        <translation>пациент не открыт: %1</translation>
    </message>
    <message>
        <source>kavimo cannot start: %1.</source>
        <translation>Не удаётся запустить kavimo: %1.</translation>
    </message>
    <message>
        <source>the pictures were not exported: %1</source>
        <translation>снимки не экспортированы: %1</translation>
    </message>
    <message>
        <source>the pictures were not shown: %1</source>
        <translation>снимки не показаны: %1</translation>
    </message>
    <message>
        <source>the camera link cannot open its sockets on 127.0.0.1</source>
        <translation>связь с камерой не может открыть сокеты на 127.0.0.1</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Копия</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Разделить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Pickup</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пациенты</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Стоп-кадр</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Choose, create or find a patient</source>
        <translation>Выбрать, создать или найти пациента</translation>
    </message>
    <message>
        <source>Start or stop the camera&apos;s live picture</source>
        <translation>Включить или выключить изображение с камеры в реальном времени</translation>
    </message>
    <message>
        <source>Freeze the live picture; press again (Save Pic) to store it</source>
        <translation>Остановить кадр; нажмите ещё раз («Сохранить»), чтобы сохранить его</translation>
    </message>
    <message>
        <source>Add picture files to this patient</source>
        <translation>Добавить файлы снимков этому пациенту</translation>
    </message>
    <message>
        <source>Copy the picked pictures (or all of them) to a folder</source>
        <translation>Скопировать выбранные снимки (или все) в папку</translation>
    </message>
    <message>
        <source>Pick up to four pictures for the report and the export</source>
        <translation>Выбрать до четырёх снимков для заключения и экспорта</translation>
    </message>
    <message>
        <source>Preview, print or save the report as PDF</source>
        <translation>Просмотреть, распечатать заключение или сохранить его в PDF</translation>
    </message>
    <message>
        <source>Store the drawing on the shown picture</source>
        <translation>Сохранить пометки на показанном снимке</translation>
    </message>
    <message>
        <source>Store the shown picture with its drawing as a new picture</source>
        <translation>Сохранить показанный снимок с пометками как новый снимок</translation>
    </message>
    <message>
        <source>Take back the last stroke</source>
        <translation>Отменить последний штрих</translation>
    </message>
    <message>
        <source>Show four pictures at once, or one again</source>
        <translation>Показать четыре снимка сразу или снова один</translation>
    </message>
    <message>
        <source>Delete the shown picture (it goes to the trash)</source>
        <translation>Удалить показанный снимок (он попадёт в корзину)</translation>
    </message>
    <message>
        <source>Store the diagnosis</source>
        <translation>Сохранить диагноз</translation>
    </message>
    <message>
        <source>Scroll the thumbnails up</source>
        <translation>Прокрутить миниатюры вверх</translation>
    </message>
    <message>
        <source>Scroll the thumbnails down</source>
        <translation>Прокрутить миниатюры вниз</translation>
    </message>
    <message>
        <source>Close kavimo (unsaved work is asked about first)</source>
        <translation>Закрыть kavimo (о несохранённых данных будет задан вопрос)</translation>
    </message>
    <message>
        <source>Thick</source>
        <translation>Толстая</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средняя</translation>
    </message>
    <message>
        <source>Thin</source>
        <translation>Тонкая</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Красный</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Зелёный</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Синий</translation>
    </message>
    <message>
        <source>Num：</source>
        <translation>№: </translation>
    </message>
    <message>
        <source>Name：</source>
        <translation>ФИО: </translation>
    </message>
    <message>
        <source>Sex：</source>
        <translation>Пол: </translation>
    </message>
    <message>
        <source>Age：</source>
        <translation>Возраст: </translation>
    </message>
    <message>
        <source>Phone：</source>
        <translation>Тел.: </translation>
    </message>
    <message>
        <source>Disease：</source>
        <translation>Диагноз: </translation>
    </message>
    <message>
        <source>确定</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>The patient %1 of the practice-management system could not be opened: %2.</source>
        <translation>Не удалось открыть пациента %1 из системы управления клиникой: %2.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Snap</source>
        <translation>Снимок</translation>
    </message>
    <message>
        <source>ID：</source>
        <translation>ID: </translation>
    </message>
    <message>
        <source>ID：UID%1</source>
        <translation>ID: UID%1</translation>
    </message>
    <message>
        <source>Age：%1</source>
        <translation>Возраст: %1</translation>
    </message>
    <message>
        <source>Age：%1 (born %2)</source>
        <translation>Возраст: %1 (дата рождения: %2)</translation>
    </message>
    <message>
        <source>The diagnosis has not been saved. Save it?</source>
        <translation>Диагноз не сохранён. Сохранить его?</translation>
    </message>
    <message>
        <source>The strokes on the picture have not been saved. Save them?</source>
        <translation>Пометки на снимке не сохранены. Сохранить их?</translation>
    </message>
    <message>
        <source>WIFI connected！</source>
        <translation>Wi-Fi подключён!</translation>
    </message>
    <message>
        <source>WIFI disconnect！</source>
        <translation>Wi-Fi отключён!</translation>
    </message>
    <message>
        <source>Settings(&amp;S)...</source>
        <translation>&amp;Настройки...</translation>
    </message>
    <message>
        <source>关于 kavimo(&amp;A)...</source>
        <translation>&amp;О программе kavimo...</translation>
    </message>
    <message>
        <source>Export as DICOM…</source>
        <translation>Экспорт в DICOM…</translation>
    </message>
    <message>
        <source>Send to PACS</source>
        <translation>Отправить в PACS</translation>
    </message>
    <message>
        <source>Revert to original</source>
        <translation>Вернуть оригинал</translation>
    </message>
    <message>
        <source>Restore deleted pictures…</source>
        <translation>Восстановить удалённые снимки…</translation>
    </message>
    <message>
        <source>Teeth and view…</source>
        <translation>Зубы и проекция…</translation>
    </message>
    <message>
        <source>Show pictures of a tooth or view…</source>
        <translation>Показать снимки зуба или проекции…</translation>
    </message>
    <message>
        <source>Show all pictures</source>
        <translation>Показать все снимки</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>Сравнить</translation>
    </message>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.bmp)</source>
        <translation>Изображения (*.jpg *.jpeg *.png *.bmp)</translation>
    </message>
    <message>
        <source>Please select output dir：</source>
        <translation>Выберите папку для сохранения:</translation>
    </message>
    <message>
        <source>not a picture</source>
        <translation>не изображение</translation>
    </message>
    <message>
        <source>a %1 picture that cannot be read: %2</source>
        <translation>изображение %1, которое не удаётся прочитать: %2</translation>
    </message>
    <message>
        <source>Save Pic</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Fail to Save！</source>
        <translation>Не удалось сохранить!</translation>
    </message>
    <message>
        <source>Fail to Save！
%1</source>
        <translation>Не удалось сохранить!
%1</translation>
    </message>
    <message>
        <source>Fail to save picture！</source>
        <translation>Не удалось сохранить снимок!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>the picture could not be read, so it is not written over</source>
        <translation>снимок не удалось прочитать, поэтому он не перезаписан</translation>
    </message>
    <message>
        <source>not a picture in the patient&apos;s directory</source>
        <translation>это не снимок из папки пациента</translation>
    </message>
    <message>
        <source>its original cannot be kept: </source>
        <translation>не удаётся сохранить его оригинал: </translation>
    </message>
    <message>
        <source>Fail to Save！
%1: %2</source>
        <translation>Не удалось сохранить!
%1: %2</translation>
    </message>
    <message>
        <source>Revert %1 to the picture as it was taken?
The strokes saved on it are lost.</source>
        <translation>Вернуть %1 к исходному снимку?
Сохранённые на нём пометки будут потеряны.</translation>
    </message>
    <message>
        <source>Fail to revert！
%1: %2</source>
        <translation>Не удалось вернуть оригинал!
%1: %2</translation>
    </message>
    <message>
        <source>Restore deleted pictures</source>
        <translation>Восстановление удалённых снимков</translation>
    </message>
    <message>
        <source>no free picture name</source>
        <translation>нет свободного имени для снимка</translation>
    </message>
    <message>
        <source>Fail to import:
%1</source>
        <translation>Не удалось импортировать:
%1</translation>
    </message>
    <message>
        <source>picture output</source>
        <translation>Вывод снимков</translation>
    </message>
    <message>
        <source>This patient has no pictures to export.</source>
        <translation>У этого пациента нет снимков для экспорта.</translation>
    </message>
    <message>
        <source>No picture is picked. Export the patient&apos;s picture?</source>
        <translation>Снимки не выбраны. Экспортировать снимок пациента?</translation>
    </message>
    <message numerus="yes">
        <source>No picture is picked. Export all %n pictures?</source>
        <translation>
            <numerusform>Снимки не выбраны. Экспортировать %n снимок?</numerusform>
            <numerusform>Снимки не выбраны. Экспортировать все %n снимка?</numerusform>
            <numerusform>Снимки не выбраны. Экспортировать все %n снимков?</numerusform>
        </translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Choose another one.</source>
        <translation>Папка %1 не существует. Выберите другую.</translation>
    </message>
    <message>
        <source>picture %1: it is no longer in the patient&apos;s list</source>
        <translation>снимок %1: его больше нет в списке пациента</translation>
    </message>
    <message>
        <source>%1: not a file name</source>
        <translation>%1: не имя файла</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures exported to %1.</source>
        <translation>
            <numerusform>%n снимок экспортирован в %1.</numerusform>
            <numerusform>%n снимка экспортированы в %1.</numerusform>
            <numerusform>%n снимков экспортировано в %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1

Fail to export:
%2</source>
        <translation>%1

Не удалось экспортировать:
%2</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Вы уверены?</translation>
    </message>
    <message>
        <source>

Delete the picture of %1-%2-%3 %4:%5:%6?
It goes to the trash, from which it can be restored for %7 days.</source>
        <translation>

Удалить снимок от %1-%2-%3 %4:%5:%6?
Он попадёт в корзину, откуда его можно восстановить в течение %7 дн.</translation>
    </message>
    <message>
        <source>Picture delete</source>
        <translation>Удаление снимка</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Restore the unsaved work of %1 from %2?</source>
        <translation>Восстановить несохранённую работу с пациентом %1 от %2?</translation>
    </message>
    <message>
        <source>The camera&apos;s video cannot be received: UDP port %1 (%2) is not available.</source>
        <translation>Не удаётся принимать видео с камеры: UDP-порт %1 (%2) недоступен.</translation>
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
        <translation>%1 из %2 в %3%4%5</translation>
    </message>
    <message>
        <source>; cancelled</source>
        <translation>; отменено</translation>
    </message>
    <message>
        <source>; failed: </source>
        <translation>; ошибка: </translation>
    </message>
    <message numerus="yes">
        <source>%n DICOM files written to %1, with a DICOMDIR</source>
        <translation>
            <numerusform>%n файл DICOM записан в %1 вместе с DICOMDIR</numerusform>
            <numerusform>%n файла DICOM записаны в %1 вместе с DICOMDIR</numerusform>
            <numerusform>%n файлов DICOM записано в %1 вместе с DICOMDIR</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Export cancelled: %1 of %n DICOM files written to %2, with a DICOMDIR</source>
        <translation>
            <numerusform>Экспорт отменён: записано %1 из %n файла DICOM в %2 вместе с DICOMDIR</numerusform>
            <numerusform>Экспорт отменён: записано %1 из %n файлов DICOM в %2 вместе с DICOMDIR</numerusform>
            <numerusform>Экспорт отменён: записано %1 из %n файлов DICOM в %2 вместе с DICOMDIR</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n DICOM files written; failed:
%2</source>
        <translation>
            <numerusform>Записано %1 из %n файла DICOM; ошибки:
%2</numerusform>
            <numerusform>Записано %1 из %n файлов DICOM; ошибки:
%2</numerusform>
            <numerusform>Записано %1 из %n файлов DICOM; ошибки:
%2</numerusform>
        </translation>
    </message>
    <message>
        <source>The patient has no pictures to export.</source>
        <translation>У пациента нет снимков для экспорта.</translation>
    </message>
    <message>
        <source>Export as DICOM</source>
        <translation>Экспорт в DICOM</translation>
    </message>
    <message>
        <source>Invalid dir</source>
        <translation>Недопустимая папка</translation>
    </message>
    <message numerus="yes">
        <source>Exporting %n pictures as DICOM to
%1</source>
        <translation>
            <numerusform>Экспорт %n снимка в DICOM в
%1</numerusform>
            <numerusform>Экспорт %n снимков в DICOM в
%1</numerusform>
            <numerusform>Экспорт %n снимков в DICOM в
%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The patient has no pictures to send.</source>
        <translation>У пациента нет снимков для отправки.</translation>
    </message>
    <message>
        <source>kavimo is starting or closing</source>
        <translation>kavimo запускается или закрывается</translation>
    </message>
    <message>
        <source>a dialog is open in kavimo; close it and try again</source>
        <translation>в kavimo открыто диалоговое окно; закройте его и повторите попытку</translation>
    </message>
    <message>
        <source>the user stayed with the patient on screen to keep unsaved work</source>
        <translation>пользователь остался с текущим пациентом, чтобы не потерять несохранённые данные</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>Один</translation>
    </message>
    <message>
        <source>Teeth and view</source>
        <translation>Зубы и проекция</translation>
    </message>
    <message>
        <source>Teeth </source>
        <translation>Зубы </translation>
    </message>
    <message>
        <source>The teeth of %1 were not given to %2:
%3</source>
        <translation>Зубы снимка %1 не переданы снимку %2:
%3</translation>
    </message>
    <message numerus="yes">
        <source>%n pictures</source>
        <translation>
            <numerusform>%n снимок</numerusform>
            <numerusform>%n снимка</numerusform>
            <numerusform>%n снимков</numerusform>
        </translation>
    </message>
    <message>
        <source>The teeth were not stored:
%1</source>
        <translation>Зубы не сохранены:
%1</translation>
    </message>
    <message>
        <source>Show pictures of</source>
        <translation>Показать снимки</translation>
    </message>
    <message>
        <source>A tooth (%1) or a view (frontal, left buccal, right buccal, upper occlusal, lower occlusal, close-up, other).
Empty shows every picture.</source>
        <translation>Зуб (%1) или проекция (frontal — фронтальная, left buccal — щёчная слева, right buccal — щёчная справа, upper occlusal — окклюзионная верхняя, lower occlusal — окклюзионная нижняя, close-up — крупный план, other — другая).
Пустое поле — все снимки.</translation>
    </message>
    <message>
        <source>1–32 or A–T</source>
        <translation>1–32 или A–T</translation>
    </message>
    <message>
        <source>UR1, LLA</source>
        <translation>UR1, LLA</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a tooth nor a view.</source>
        <translation>«%1» — не зуб и не проекция.</translation>
    </message>
    <message>
        <source>Show a picture, or pick two, to compare.</source>
        <translation>Для сравнения откройте снимок или выберите два.</translation>
    </message>
    <message>
        <source>The picture shown has no teeth yet: tag it with its teeth, or pick two pictures.</source>
        <translation>У показанного снимка ещё не указаны зубы: отметьте их или выберите два снимка.</translation>
    </message>
    <message>
        <source>No earlier picture shows the same teeth.</source>
        <translation>Нет более ранних снимков тех же зубов.</translation>
    </message>
    <message>
        <source>cannot make %1</source>
        <translation>не удаётся создать %1</translation>
    </message>
    <message>
        <source>cannot make %1: %2</source>
        <translation>не удаётся создать %1: %2</translation>
    </message>
    <message>
        <source>the picture with the strokes cannot be encoded</source>
        <translation>не удаётся закодировать снимок с пометками</translation>
    </message>
    <message>
        <source>cannot write in %1: %2</source>
        <translation>не удаётся записать в %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>Faile to create WorkDir!</source>
        <translation>Не удалось создать рабочую папку!</translation>
    </message>
    <message>
        <source>Create WorkDir successfull!</source>
        <translation>Рабочая папка успешно создана!</translation>
    </message>
    <message>
        <source>Faile to  create user dir！</source>
        <translation>Не удалось создать папку пациента!</translation>
    </message>
    <message>
        <source>User does not exist！</source>
        <translation>Пациент не существует!</translation>
    </message>
    <message>
        <source>other</source>
        <translation>другой</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестен</translation>
    </message>
    <message>
        <source>female</source>
        <translation>женский</translation>
    </message>
    <message>
        <source>male</source>
        <translation>мужской</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Женский</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Мужской</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другой</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестен</translation>
    </message>
    <message>
        <source>User Management</source>
        <translation>Пациенты</translation>
    </message>
    <message>
        <source>User List：</source>
        <translation>Пациенты:</translation>
    </message>
    <message>
        <source>Picture List：</source>
        <translation>Снимки:</translation>
    </message>
    <message>
        <source>Preview：</source>
        <translation>Просмотр: </translation>
    </message>
    <message>
        <source>Born：</source>
        <translation>Д. р.: </translation>
    </message>
    <message>
        <source>sex：</source>
        <translation>Пол: </translation>
    </message>
    <message>
        <source>Hospital：</source>
        <translation>Клиника: </translation>
    </message>
    <message>
        <source>Description：</source>
        <translation>Описание: </translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>User ID</source>
        <translation>ID пациента</translation>
    </message>
    <message>
        <source>Age</source>
        <translation>Лет</translation>
    </message>
    <message>
        <source>Phone</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Disease</source>
        <translation>Диагноз</translation>
    </message>
    <message>
        <source>Click a column&apos;s title to sort by it</source>
        <translation>Щёлкните заголовок столбца, чтобы отсортировать по нему</translation>
    </message>
    <message>
        <source>Search: part of the name, ID or phone</source>
        <translation>Поиск: часть ФИО, ID или телефона</translation>
    </message>
    <message>
        <source>YYYYMMDD</source>
        <translation>YYYYMMDD</translation>
    </message>
    <message>
        <source>Birth date, YYYYMMDD or YYYY-MM-DD; the age then follows it</source>
        <translation>Дата рождения в виде YYYYMMDD или YYYY-MM-DD; возраст вычисляется по ней</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Задать</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Query</source>
        <translation>Найти</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Restore deleted patients…</source>
        <translation>Удалённые пациенты…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>No patient matches &quot;%1&quot;.</source>
        <translation>Нет пациентов, соответствующих «%1».</translation>
    </message>
    <message>
        <source>Please enter name！</source>
        <translation>Введите ФИО!</translation>
    </message>
    <message>
        <source>Please enter the birth date as YYYY-MM-DD, not after today！</source>
        <translation>Введите дату рождения в виде YYYY-MM-DD, не позднее сегодняшнего дня!</translation>
    </message>
    <message>
        <source>Please enter age！</source>
        <translation>Введите возраст!</translation>
    </message>
    <message>
        <source>Please enter phone！</source>
        <translation>Введите номер телефона!</translation>
    </message>
    <message>
        <source>Please choose sex (Female, Male, Other or Unknown)！</source>
        <translation>Выберите пол (Женский, Мужской, Другой или Неизвестен)!</translation>
    </message>
    <message>
        <source>The patient&apos;s record was written, but the name, phone and birth date as typed were not kept: %1</source>
        <translation>Карта пациента записана, но введённые ФИО, телефон и дата рождения не сохранены: %1</translation>
    </message>
    <message>
        <source>The patient was created, but the worklist&apos;s order was not kept, so the pictures will not be attached to it in the archive: %1</source>
        <translation>Пациент создан, но назначение из расписания не сохранено, поэтому в архиве снимки не будут к нему привязаны: %1</translation>
    </message>
    <message numerus="yes">
        <source>The patient list is full: at most %n patients can be kept！</source>
        <translation>
            <numerusform>Список пациентов заполнен: можно хранить не более %n пациента!</numerusform>
            <numerusform>Список пациентов заполнен: можно хранить не более %n пациентов!</numerusform>
            <numerusform>Список пациентов заполнен: можно хранить не более %n пациентов!</numerusform>
        </translation>
    </message>
    <message>
        <source>A patient was created less than a second ago; please press Create again！</source>
        <translation>Пациент был создан менее секунды назад; нажмите «Создать» ещё раз!</translation>
    </message>
    <message>
        <source>Are you sure delete？</source>
        <translation>Вы действительно хотите удалить?</translation>
    </message>
    <message>
        <source>Delete the patient %1 (%2) and %3?</source>
        <translation>Удалить пациента %1 (%2) и %3?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n patients and their %1?</source>
        <translation>
            <numerusform>Удалить %n пациента и его %1?</numerusform>
            <numerusform>Удалить %n пациентов и их %1?</numerusform>
            <numerusform>Удалить %n пациентов и их %1?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>

%1
They go to the trash, from which &quot;Restore deleted patients…&quot; brings them back for %n days.</source>
        <translation>
            <numerusform>

%1
Они попадут в корзину, откуда их можно вернуть кнопкой «Удалённые пациенты…» в течение %n дня.</numerusform>
            <numerusform>

%1
Они попадут в корзину, откуда их можно вернуть кнопкой «Удалённые пациенты…» в течение %n дней.</numerusform>
            <numerusform>

%1
Они попадут в корзину, откуда их можно вернуть кнопкой «Удалённые пациенты…» в течение %n дней.</numerusform>
        </translation>
    </message>
    <message>
        <source>There are no deleted patients to restore.</source>
        <translation>Нет удалённых пациентов для восстановления.</translation>
    </message>
    <message>
        <source>Restore deleted patients</source>
        <translation>Восстановление удалённых пациентов</translation>
    </message>
    <message>
        <source>Please enter hospital name！</source>
        <translation>Введите название клиники!</translation>
    </message>
    <message>
        <source>Set hospital successfull！</source>
        <translation>Название клиники сохранено!</translation>
    </message>
    <message>
        <source>Turn a quarter to the left (Shift+R)</source>
        <translation>Повернуть на 90° влево (Shift+R)</translation>
    </message>
    <message>
        <source>Turn a quarter to the right (R)</source>
        <translation>Повернуть на 90° вправо (R)</translation>
    </message>
    <message>
        <source>+ / − zoom   0 as it came   R turn   arrows move   Esc close</source>
        <translation>+ / − масштаб   0 исходный   R поворот   стрелки сдвиг   Esc закрыть</translation>
    </message>
    <message>
        <source>not on the d: drive</source>
        <translation>не на диске d:</translation>
    </message>
    <message>
        <source>not enough memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>The picture cannot be read.</source>
        <translation>Не удаётся прочитать снимок.</translation>
    </message>
    <message>
        <source>Wheel or + and − zoom both, dragging moves both; double-click fits them.</source>
        <translation>Колесо мыши или + и − масштабируют оба снимка, перетаскивание сдвигает оба; двойной щелчок вписывает их в окно.</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>there is no picture to write</source>
        <translation>нет снимка для записи</translation>
    </message>
    <message>
        <source>cannot encode the picture as %1: %2</source>
        <translation>не удаётся закодировать снимок в %1: %2</translation>
    </message>
    <message>
        <source>it is a link to a file outside the work directory</source>
        <translation>это ссылка на файл вне рабочей папки</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>не обычный файл</translation>
    </message>
    <message>
        <source>the path lies outside the d: drive</source>
        <translation>путь находится вне диска d:</translation>
    </message>
    <message>
        <source>Which teeth does %1 show?</source>
        <translation>Какие зубы на снимке %1?</translation>
    </message>
    <message>
        <source>right</source>
        <translation>справа</translation>
    </message>
    <message>
        <source>left</source>
        <translation>слева</translation>
    </message>
    <message>
        <source>FDI %1</source>
        <translation>FDI %1</translation>
    </message>
    <message>
        <source>View:</source>
        <translation>Проекция:</translation>
    </message>
    <message>
        <source>(not given)</source>
        <translation>(не указана)</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>No tooth chosen.</source>
        <translation>Зубы не выбраны.</translation>
    </message>
    <message>
        <source>Chosen: </source>
        <translation>Выбрано: </translation>
    </message>
    <message>
        <source>there is no runtime directory (XDG_RUNTIME_DIR)</source>
        <translation>нет каталога времени выполнения (XDG_RUNTIME_DIR)</translation>
    </message>
    <message>
        <source>the running kavimo did not answer</source>
        <translation>запущенная программа kavimo не ответила</translation>
    </message>
    <message>
        <source>the transfer file was not read: %1</source>
        <translation>файл обмена не прочитан: %1</translation>
    </message>
    <message>
        <source>the transfer file&apos;s request was refused: %1</source>
        <translation>запрос из файла обмена отклонён: %1</translation>
    </message>
    <message>
        <source>kavimo has no patient with the ID %1</source>
        <translation>в kavimo нет пациента с ID %1</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>снимок %1 не принадлежит этому пациенту</translation>
    </message>
    <message>
        <source>the answer could not be written into the transfer file: %1</source>
        <translation>не удалось записать ответ в файл обмена: %1</translation>
    </message>
    <message>
        <source>Print-diagnose</source>
        <translation>Печать заключения</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>Не удалось распечатать заключение.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>Не удалось сохранить заключение как %1.</translation>
    </message>
    <message>
        <source>Sex：male</source>
        <translation>Пол: мужской</translation>
    </message>
    <message>
        <source>Sex：female</source>
        <translation>Пол: женский</translation>
    </message>
    <message>
        <source>Time：</source>
        <translation>Время: </translation>
    </message>
    <message>
        <source>Resualt</source>
        <translation>Заключение</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source>Pictures：</source>
        <translation>Снимки: </translation>
    </message>
    <message>
        <source>Doctor：</source>
        <translation>Врач: </translation>
    </message>
    <message>
        <source>Pictures and records</source>
        <translation>Снимки и записи</translation>
    </message>
    <message>
        <source>d: drive folder</source>
        <translation>Папка диска d:</translation>
    </message>
    <message>
        <source>Stream camera</source>
        <translation>Видеокамера</translation>
    </message>
    <message>
        <source>Camera address</source>
        <translation>Адрес камеры</translation>
    </message>
    <message>
        <source>Camera command port</source>
        <translation>Командный порт камеры</translation>
    </message>
    <message>
        <source>Local command port (0: any)</source>
        <translation>Локальный командный порт (0: любой)</translation>
    </message>
    <message>
        <source>Local video port</source>
        <translation>Локальный видеопорт</translation>
    </message>
    <message>
        <source>Picture camera</source>
        <translation>Фотокамера</translation>
    </message>
    <message>
        <source>Local reply port (0: any)</source>
        <translation>Локальный порт ответов (0: любой)</translation>
    </message>
    <message>
        <source>Camera picture port (TCP)</source>
        <translation>Порт снимков камеры (TCP)</translation>
    </message>
    <message>
        <source>Network</source>
        <translation>Сеть</translation>
    </message>
    <message>
        <source>Local address (0.0.0.0: all)</source>
        <translation>Локальный адрес (0.0.0.0: все)</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Заключение</translation>
    </message>
    <message>
        <source>Doctor&apos;s name</source>
        <translation>ФИО врача</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>Foot switch key (does Freeze)</source>
        <translation>Клавиша педали (стоп-кадр)</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Language (empty: the desktop&apos;s)</source>
        <translation>Язык (пусто: язык рабочего стола)</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>The d: drive folder</source>
        <translation>Папка диска d:</translation>
    </message>
    <message>
        <source>PEM files (*.pem *.crt *.key);;All files (*)</source>
        <translation>Файлы PEM (*.pem *.crt *.key);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>Файл настроек: %1</translation>
    </message>
    <message>
        <source>Changes take effect the next time kavimo starts. An empty field uses the default shown in it. A value overridden by a command-line option or an environment variable is used in the runs without it.</source>
        <translation>Изменения вступят в силу при следующем запуске kavimo. Для пустого поля используется показанное в нём значение по умолчанию. Значение, переопределённое параметром командной строки или переменной окружения, применяется при запусках без них.</translation>
    </message>
    <message>
        <source>none; e.g. F8</source>
        <translation>нет; например, F8</translation>
    </message>
    <message>
        <source>not a key (for example F8, Space or Pause)</source>
        <translation>не клавиша (например, F8, Space или Pause)</translation>
    </message>
    <message>
        <source>e.g. de, zh_CN</source>
        <translation>например, de, zh_CN</translation>
    </message>
    <message>
        <source>not a language (for example de, fr or zh_CN)</source>
        <translation>не язык (например, de, fr или zh_CN)</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Выбрать...</translation>
    </message>
    <message>
        <source>Overridden by %1 for this run</source>
        <translation>Для этого запуска переопределено: %1</translation>
    </message>
    <message>
        <source>The settings cannot be written to %1.</source>
        <translation>Не удаётся записать настройки в %1.</translation>
    </message>
    <message>
        <source>Tooth numbers (fdi, universal or palmer; at once)</source>
        <translation>Нумерация зубов (fdi, universal или palmer; сразу)</translation>
    </message>
    <message>
        <source>fdi: 11–48, 51–85</source>
        <translation>fdi: 11–48, 51–85</translation>
    </message>
    <message>
        <source>not fdi, universal (1–32, A–T) or palmer (UR1, ULA)</source>
        <translation>не fdi, universal (1–32, A–T) или palmer (UR1, ULA)</translation>
    </message>
    <message>
        <source>Ask for the teeth after each capture, at once (the camera&apos;s capture key confirms)</source>
        <translation>Спрашивать зубы после каждого снимка, сразу (подтверждение — кнопкой съёмки на камере)</translation>
    </message>
    <message>
        <source>Teeth</source>
        <translation>Зубы</translation>
    </message>
    <message>
        <source>关于 kavimo</source>
        <translation>О программе kavimo</translation>
    </message>
    <message>
        <source>kavimo, version %1</source>
        <translation>kavimo, версия %1</translation>
    </message>
    <message>
        <source>Oral image acquisition system for WiFi intraoral cameras</source>
        <translation>Система получения изображений для интраоральных Wi-Fi-камер</translation>
    </message>
    <message>
        <source>Log: %1</source>
        <translation>Журнал: %1</translation>
    </message>
    <message>
        <source>User guide (F1)</source>
        <translation>Руководство пользователя (F1)</translation>
    </message>
    <message numerus="yes">
        <source>Deleted items are kept for %n days. Choose what to restore:</source>
        <translation>
            <numerusform>Удалённые объекты хранятся %n день. Выберите, что восстановить:</numerusform>
            <numerusform>Удалённые объекты хранятся %n дня. Выберите, что восстановить:</numerusform>
            <numerusform>Удалённые объекты хранятся %n дней. Выберите, что восстановить:</numerusform>
        </translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Picture of %1   (deleted %2)</source>
        <translation>Снимок: %1   (удалён %2)</translation>
    </message>
    <message numerus="yes">
        <source>%1  %2, %n pictures   (deleted %3)</source>
        <translation>
            <numerusform>%1  %2, %n снимок   (удалён %3)</numerusform>
            <numerusform>%1  %2, %n снимка   (удалён %3)</numerusform>
            <numerusform>%1  %2, %n снимков   (удалён %3)</numerusform>
        </translation>
    </message>
    <message>
        <source>The user guide is not installed. It was looked for in:
%1</source>
        <translation>Руководство пользователя не установлено. Поиск выполнялся в:
%1</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>kavimo user guide</source>
        <translation>Руководство пользователя kavimo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Try &apos;kavimo --help&apos;.</source>
        <translation>Попробуйте «kavimo --help».</translation>
    </message>
    <message>
        <source>Host directory that stands for the d: drive (default ~/.local/share/kavimo/d).</source>
        <translation>Папка на компьютере, которая служит диском d: (по умолчанию ~/.local/share/kavimo/d).</translation>
    </message>
    <message>
        <source>Group that shares the records: folders 0770, files 0660 (default: none, 0700 and 0600).</source>
        <translation>Группа пользователей с общим доступом к записям: папки 0770, файлы 0660 (по умолчанию: нет, 0700 и 0600).</translation>
    </message>
    <message>
        <source>Address of the stream camera (default 172.16.10.1).</source>
        <translation>Адрес видеокамеры (по умолчанию 172.16.10.1).</translation>
    </message>
    <message>
        <source>The stream camera&apos;s command port (default 7777).</source>
        <translation>Командный порт видеокамеры (по умолчанию 7777).</translation>
    </message>
    <message>
        <source>Local port for the stream camera&apos;s replies, heartbeats and keys (default 7777; 0: any).</source>
        <translation>Локальный порт для ответов, контрольных сигналов и нажатий кнопок видеокамеры (по умолчанию 7777; 0: любой).</translation>
    </message>
    <message>
        <source>Local port the live video arrives on (default 8888).</source>
        <translation>Локальный порт, на который приходит видео в реальном времени (по умолчанию 8888).</translation>
    </message>
    <message>
        <source>Address of the picture camera (default 192.168.239.1).</source>
        <translation>Адрес фотокамеры (по умолчанию 192.168.239.1).</translation>
    </message>
    <message>
        <source>The picture camera&apos;s command port (default 6000).</source>
        <translation>Командный порт фотокамеры (по умолчанию 6000).</translation>
    </message>
    <message>
        <source>Local port for the picture camera&apos;s replies (default 5000; 0: any).</source>
        <translation>Локальный порт для ответов фотокамеры (по умолчанию 5000; 0: любой).</translation>
    </message>
    <message>
        <source>The picture camera&apos;s TCP picture port (default 5000).</source>
        <translation>TCP-порт снимков фотокамеры (по умолчанию 5000).</translation>
    </message>
    <message>
        <source>Local address the camera sockets bind to (default 0.0.0.0: all).</source>
        <translation>Локальный адрес, к которому привязываются сокеты камеры (по умолчанию 0.0.0.0: все).</translation>
    </message>
    <message>
        <source>The clinic&apos;s archive (PACS): its AE title (default: none, no archive).</source>
        <translation>Архив клиники (PACS): его AE title (по умолчанию: нет, без архива).</translation>
    </message>
    <message>
        <source>The archive&apos;s host name or address.</source>
        <translation>Имя хоста или адрес архива.</translation>
    </message>
    <message>
        <source>The archive&apos;s DICOM port.</source>
        <translation>DICOM-порт архива.</translation>
    </message>
    <message>
        <source>kavimo&apos;s own AE title towards the archive (default KAVIMO).</source>
        <translation>Собственный AE title kavimo для связи с архивом (по умолчанию KAVIMO).</translation>
    </message>
    <message>
        <source>Issuer of Patient ID sent with kavimo&apos;s own Patient IDs (default KAVIMO- and the first 8 hex digits of the installation&apos;s identity).</source>
        <translation>Издатель ID пациента (Issuer of Patient ID), передаваемый вместе с собственными ID пациентов kavimo (по умолчанию KAVIMO- и первые 8 шестнадцатеричных цифр идентификатора установки).</translation>
    </message>
    <message>
        <source>The modality whose worklist entries are listed (default XC, photographs).</source>
        <translation>Модальность, записи расписания (worklist) которой показываются (по умолчанию XC, фотографии).</translation>
    </message>
    <message>
        <source>Lists the worklist entries scheduled for kavimo&apos;s own AE title (this, the default) or for every station (all).</source>
        <translation>Показывает записи расписания (worklist), назначенные на собственный AE title kavimo (this, по умолчанию) или на все станции (all).</translation>
    </message>
    <message>
        <source>Sends every stored picture to the archive automatically (default off).</source>
        <translation>Автоматически отправляет каждый сохранённый снимок в архив (по умолчанию off).</translation>
    </message>
    <message>
        <source>Talks to the archive over TLS; its certificate must chain to --pacs-tls-ca and name its host (default off: plain TCP).</source>
        <translation>Связывается с архивом по TLS; его сертификат должен восходить к --pacs-tls-ca и содержать имя его хоста (по умолчанию off: обычный TCP).</translation>
    </message>
    <message>
        <source>The CA certificates (PEM) to check the archive&apos;s certificate with.</source>
        <translation>Сертификаты ЦС (PEM) для проверки сертификата архива.</translation>
    </message>
    <message>
        <source>kavimo&apos;s own certificate (PEM), for archives that ask for one.</source>
        <translation>Собственный сертификат kavimo (PEM) для архивов, которые его запрашивают.</translation>
    </message>
    <message>
        <source>The unencrypted private key (PEM) of kavimo&apos;s certificate.</source>
        <translation>Незашифрованный закрытый ключ (PEM) сертификата kavimo.</translation>
    </message>
    <message>
        <source>%1: %2 &quot;%3&quot; is %4</source>
        <translation>%1: %2 «%3» — %4</translation>
    </message>
    <message>
        <source>not a directory</source>
        <translation>не папка</translation>
    </message>
    <message>
        <source>not an IPv4 address</source>
        <translation>не адрес IPv4</translation>
    </message>
    <message>
        <source>not a port (0 to 65535)</source>
        <translation>не порт (от 0 до 65535)</translation>
    </message>
    <message>
        <source>not a port (1 to 65535)</source>
        <translation>не порт (от 1 до 65535)</translation>
    </message>
    <message>
        <source>not an AE title (1 to 16 characters)</source>
        <translation>не AE title (от 1 до 16 символов)</translation>
    </message>
    <message>
        <source>not a host</source>
        <translation>не хост</translation>
    </message>
    <message>
        <source>not on or off</source>
        <translation>не on и не off</translation>
    </message>
    <message>
        <source>not an issuer (1 to 64 characters, no backslash)</source>
        <translation>не издатель (от 1 до 64 символов, без обратной косой черты)</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>не файл</translation>
    </message>
    <message>
        <source>not a modality (a code such as XC or IO)</source>
        <translation>не модальность (код вроде XC или IO)</translation>
    </message>
    <message>
        <source>not this or all</source>
        <translation>не this и не all</translation>
    </message>
    <message>
        <source>not a group name</source>
        <translation>не имя группы</translation>
    </message>
    <message>
        <source>not valid</source>
        <translation>недопустимое значение</translation>
    </message>
    <message>
        <source>no folder given</source>
        <translation>папка не указана</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>папка не существует</translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>не папка</translation>
    </message>
    <message>
        <source>the folder is not writable</source>
        <translation>папка недоступна для записи</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>файл не указан</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>файл не существует</translation>
    </message>
    <message>
        <source>the file is not readable</source>
        <translation>файл недоступен для чтения</translation>
    </message>
    <message>
        <source>Opens the patient with this ID of the practice-management system, creating it when kavimo does not have it yet (the patient dialog is not shown); the ID becomes the archive&apos;s Patient ID. When kavimo already runs on this work directory, the running window switches to the patient.</source>
        <translation>Открывает пациента с этим ID из системы управления клиникой и создаёт его, если в kavimo его ещё нет (окно пациента не показывается); этот ID становится ID пациента (Patient ID) в архиве. Если kavimo уже запущена с этой рабочей папкой, запущенное окно переключается на этого пациента.</translation>
    </message>
    <message>
        <source>The last name of the --patient-id patient (needed with it).</source>
        <translation>Фамилия пациента из --patient-id (обязательна вместе с ним).</translation>
    </message>
    <message>
        <source>The first name of the --patient-id patient.</source>
        <translation>Имя пациента из --patient-id.</translation>
    </message>
    <message>
        <source>The birth date of the --patient-id patient (also YYYY-MM-DD or DD.MM.YYYY).</source>
        <translation>Дата рождения пациента из --patient-id (также YYYY-MM-DD или DD.MM.YYYY).</translation>
    </message>
    <message>
        <source>The sex of the --patient-id patient (also Male, Female, Other, Unknown).</source>
        <translation>Пол пациента из --patient-id (также Male, Female, Other, Unknown).</translation>
    </message>
    <message>
        <source>The phone of the --patient-id patient.</source>
        <translation>Телефон пациента из --patient-id.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Показывает эту справку.</translation>
    </message>
    <message>
        <source>Shows the version.</source>
        <translation>Показывает версию.</translation>
    </message>
    <message>
        <source>Points both camera addresses at 127.0.0.1 (for the camera simulator)
[KAVIMO_LOOPBACK=1]</source>
        <translation>Направляет оба адреса камер на 127.0.0.1 (для симулятора камеры)
[KAVIMO_LOOPBACK=1]</translation>
    </message>
    <message>
        <source>Shows kavimo without a camera: starts the camera simulator kavimo-camsim (next to kavimo, else on the PATH) on 127.0.0.1 as a stream camera (--demo) or a picture camera (--demo=picture) and points the camera link at it; the camera addresses and ports above are then unused.</source>
        <translation>Демонстрирует kavimo без камеры: запускает симулятор камеры kavimo-camsim (из папки kavimo, иначе из PATH) на 127.0.0.1 как видеокамеру (--demo) или фотокамеру (--demo=picture) и направляет на него связь с камерой; указанные выше адреса и порты камер при этом не используются.</translation>
    </message>
    <message>
        <source>The settings file to read instead of %1
[KAVIMO_CONFIG]</source>
        <translation>Файл настроек, который читается вместо %1
[KAVIMO_CONFIG]</translation>
    </message>
    <message>
        <source>Writes a picture of the screen.</source>
        <translation>Сохраняет снимок экрана.</translation>
    </message>
    <message>
        <source>Milliseconds.</source>
        <translation>Миллисекунды.</translation>
    </message>
    <message>
        <source>kavimo: oral image acquisition for WiFi intraoral cameras.
Every setting can also be given in the environment (KAVIMO_*) or in kavimo.ini;
the command line wins over the environment, which wins over the file.</source>
        <translation>kavimo: получение внутриротовых изображений с интраоральных Wi-Fi-камер.
Каждую настройку можно также задать в переменных окружения (KAVIMO_*) или в kavimo.ini;
командная строка важнее переменных окружения, а они важнее файла.</translation>
    </message>
    <message>
        <source>A VDDS-media transfer file the practice-management system wrote.</source>
        <translation>Файл обмена VDDS-media, записанный системой управления клиникой.</translation>
    </message>
    <message>
        <source>Usage: kavimo [options] [transfer-file]</source>
        <translation>Использование: kavimo [параметры] [transfer-file]</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>неожиданный аргумент «%1»</translation>
    </message>
    <message>
        <source>settings file &quot;%1&quot; does not exist</source>
        <translation>файл настроек «%1» не существует</translation>
    </message>
    <message>
        <source>--demo=%1: the demo camera is &quot;stream&quot; or &quot;picture&quot;</source>
        <translation>--demo=%1: демонстрационная камера — «stream» или «picture»</translation>
    </message>
    <message>
        <source>a transfer file and --patient-id cannot be given together</source>
        <translation>файл обмена и --patient-id нельзя указывать одновременно</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot; (no such transfer file)</source>
        <translation>неожиданный аргумент «%1» (такого файла обмена нет)</translation>
    </message>
    <message>
        <source>the patient options need --patient-id</source>
        <translation>параметрам пациента нужен --patient-id</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>дата рождения «%1» не является датой (YYYYMMDD)</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O, U, Male, Female, Other or Unknown</source>
        <translation>пол «%1» не является M, F, O, U, Male, Female, Other или Unknown</translation>
    </message>
    <message>
        <source>the stream camera %1:%2 is the program&apos;s own command port; give the camera&apos;s port with --stream-command-port or another local port with --stream-local-port</source>
        <translation>видеокамера %1:%2 совпадает с собственным командным портом программы; укажите порт камеры в --stream-command-port или другой локальный порт в --stream-local-port</translation>
    </message>
    <message>
        <source>the picture camera %1:%2 is the program&apos;s own reply port; give the camera&apos;s port with --picture-command-port or another local port with --picture-reply-port</source>
        <translation>фотокамера %1:%2 совпадает с собственным портом ответов программы; укажите порт камеры в --picture-command-port или другой локальный порт в --picture-reply-port</translation>
    </message>
</context>
<context>
    <name>text</name>
    <message>
        <source>Could not find &quot;%1&quot;: %2</source>
        <translation>Не удалось найти «%1»: %2</translation>
    </message>
    <message>
        <source>Could not create &quot;%1&quot;: %2</source>
        <translation>Не удалось создать «%1»: %2</translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation>Не удалось прочитать «%1»: %2</translation>
    </message>
    <message>
        <source>Could not write &quot;%1&quot;: %2</source>
        <translation>Не удалось записать «%1»: %2</translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash: %2</source>
        <translation>Не удалось переместить «%1» в корзину: %2</translation>
    </message>
    <message>
        <source>Could not restore &quot;%1&quot;: %2</source>
        <translation>Не удалось восстановить «%1»: %2</translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;: %2</source>
        <translation>Не удалось удалить «%1»: %2</translation>
    </message>
    <message>
        <source>These patient records are incomplete and were left out of the patient list:%1</source>
        <translation>Эти карты пациентов неполны и не включены в список пациентов:%1</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but no files were deleted: its record names the directory &quot;%2&quot; instead of &quot;%3&quot;.</source>
        <translation>Пациент %1 удалён из списка, но файлы не удалены: в его карте указана папка «%2» вместо «%3».</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; could not be moved to the trash: %3</source>
        <translation>Пациент %1 удалён из списка, но «%2» не удалось переместить в корзину: %3</translation>
    </message>
    <message>
        <source>%1 was removed from the patient list, but &quot;%2&quot; was not deleted: it is not a plain directory.</source>
        <translation>Пациент %1 удалён из списка, но «%2» не удалена: это не обычная папка.</translation>
    </message>
    <message>
        <source>The picture &quot;%1&quot; was not added: its path is longer than %2 bytes.</source>
        <translation>Снимок «%1» не добавлен: его путь длиннее %2 байт.</translation>
    </message>
    <message>
        <source>These pictures were not added: their paths are longer than %1 bytes.%2</source>
        <translation>Эти снимки не добавлены: их пути длиннее %1 байт.%2</translation>
    </message>
    <message>
        <source>%1 cannot be restored: the patient list is full.</source>
        <translation>Пациента %1 не удаётся восстановить: список пациентов заполнен.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: a patient directory of that name exists.</source>
        <translation>Пациента %1 не удаётся восстановить: папка пациента с таким именем уже существует.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>Пациента %1 не удаётся восстановить: %2</translation>
    </message>
    <message>
        <source>Cannot create the work directory %1: %2</source>
        <translation>Не удаётся создать рабочую папку %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is a symbolic link, which kavimo does not follow.</source>
        <translation>Не удаётся использовать файл блокировки %1: это символическая ссылка, а kavimo не переходит по ним.</translation>
    </message>
    <message>
        <source>Cannot open the lock file %1: %2</source>
        <translation>Не удаётся открыть файл блокировки %1: %2</translation>
    </message>
    <message>
        <source>Cannot use the lock file %1: it is not a plain file.</source>
        <translation>Не удаётся использовать файл блокировки %1: это не обычный файл.</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on %2 (process %3).</source>
        <translation>Карты пациентов в %1 используются программой kavimo на компьютере %2 (процесс %3).</translation>
    </message>
    <message>
        <source>The patient records in %1 are in use by kavimo on another computer or process.</source>
        <translation>Карты пациентов в %1 используются программой kavimo на другом компьютере или в другом процессе.</translation>
    </message>
    <message>
        <source>Cannot lock the patient records in %1: %2</source>
        <translation>Не удаётся заблокировать карты пациентов в %1: %2</translation>
    </message>
    <message>
        <source>the JPEG data is cut short or damaged (%1)</source>
        <translation>данные JPEG обрезаны или повреждены (%1)</translation>
    </message>
    <message>
        <source>not a readable JPEG picture: %1</source>
        <translation>не читаемое изображение JPEG: %1</translation>
    </message>
    <message>
        <source>the picture does not decode to RGB</source>
        <translation>снимок не декодируется в RGB</translation>
    </message>
    <message>
        <source>cannot encode the picture as JPEG: %1</source>
        <translation>не удаётся закодировать снимок в JPEG: %1</translation>
    </message>
    <message>
        <source>the archive&apos;s address is not set (AE title, host and port)</source>
        <translation>адрес архива не задан (AE title, хост и порт)</translation>
    </message>
    <message>
        <source>the archive %1 refused the connection (check its AE title and that it accepts %2): %3</source>
        <translation>архив %1 отклонил подключение (проверьте его AE title и то, что он принимает %2): %3</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2 (it may ask for kavimo&apos;s own TLS certificate, and none is set)</source>
        <translation>архив %1 недоступен: %2 (возможно, он запрашивает собственный TLS-сертификат kavimo, а он не задан)</translation>
    </message>
    <message>
        <source>cannot reach the archive %1: %2</source>
        <translation>архив %1 недоступен: %2</translation>
    </message>
    <message>
        <source>not connected to the archive</source>
        <translation>нет подключения к архиву</translation>
    </message>
    <message>
        <source>the archive did not answer the check: %1</source>
        <translation>архив не ответил на проверку: %1</translation>
    </message>
    <message>
        <source>the archive does not accept photographic pictures (VL Photographic Image Storage)</source>
        <translation>архив не принимает фотографические изображения (VL Photographic Image Storage)</translation>
    </message>
    <message>
        <source>the archive did not confirm the picture: %1</source>
        <translation>архив не подтвердил получение снимка: %1</translation>
    </message>
    <message>
        <source>the archive refused the picture (%1)</source>
        <translation>архив отклонил снимок (%1)</translation>
    </message>
    <message>
        <source>the archive stored the picture with a warning (%1)</source>
        <translation>архив сохранил снимок с предупреждением (%1)</translation>
    </message>
    <message>
        <source>the archive offers no worklist</source>
        <translation>архив не предоставляет расписание (worklist)</translation>
    </message>
    <message>
        <source>the archive did not finish answering within %1 s</source>
        <translation>архив не закончил отвечать за %1 с</translation>
    </message>
    <message>
        <source>the worklist query failed: %1</source>
        <translation>запрос расписания не выполнен: %1</translation>
    </message>
    <message>
        <source>the picture claims %1 × %2 pixels, more than kavimo opens</source>
        <translation>снимок заявляет размер %1 × %2 пикселей — больше, чем может открыть kavimo</translation>
    </message>
    <message numerus="yes">
        <source>the patient list is full: at most %n patients can be kept</source>
        <translation>
            <numerusform>список пациентов заполнен: можно хранить не более %n пациента</numerusform>
            <numerusform>список пациентов заполнен: можно хранить не более %n пациентов</numerusform>
            <numerusform>список пациентов заполнен: можно хранить не более %n пациентов</numerusform>
        </translation>
    </message>
    <message>
        <source>the computer&apos;s clock is behind the newest patient&apos;s creation time</source>
        <translation>часы компьютера отстают от времени создания самого нового пациента</translation>
    </message>
    <message>
        <source>the patient could not be stored in the work directory</source>
        <translation>не удалось сохранить пациента в рабочей папке</translation>
    </message>
    <message>
        <source>the patient&apos;s details could not be written: %1</source>
        <translation>не удалось записать данные пациента: %1</translation>
    </message>
    <message>
        <source>the patient could not be selected</source>
        <translation>не удалось выбрать пациента</translation>
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
        <translation>использование: kavimo-camsim --stream|--picture [параметры]

Имитирует камеру системы kavimo на петлевом интерфейсе (loopback). Все адреса должны лежать в 127.0.0.0/8.

  --stream               видеокамера: ответы на запрос идентификации, контрольные сигналы, кнопки, видео H.264
  --picture              фотокамера: ответы на запрос идентификации, TCP-канал снимков
  --bind IP              локальный адрес всех сокетов (по умолчанию 127.0.0.1)
  --app IP               адрес приложения (по умолчанию 127.0.0.1)
  --cmd-port N           командный UDP-порт камеры (по умолчанию 0: выбирает ядро)
  --app-port N           командный порт приложения (stream, по умолчанию 7777) или порт ответов
                         (picture, по умолчанию 5000); 0: ничего не отправлять, пока его не назовёт
                         команда «app-port N»
  --video-port N         видеопорт приложения (по умолчанию 8888); 0: не отправлять видео, пока его
                         не назовёт «video-port N»
  --tcp-port N           TCP-порт канала снимков (по умолчанию 0: выбирает ядро)
  --name TEXT            имя камеры в ответе на запрос идентификации (не более 32 байт)
  --value N              первый аргумент ответа на запрос идентификации (по умолчанию 1)
  --size WxH             размер изображения (по умолчанию 640x480)
  --fps N                кадров видео в секунду (по умолчанию 25)
  --gop N                кадров от одного ключевого кадра до следующего (по умолчанию 25)
  --bitrate KBPS         битрейт видео (по умолчанию 1500)
  --fragment-size N      байт полезных данных на фрагмент, один фрагмент на датаграмму (по умолчанию 1400)
  --attribute N          код атрибута видео у каждого кадра (по умолчанию 0)
  --input FILE.h264      отправлять кадры этого файла Annex B (по кругу) вместо тестового изображения
  --loss N               отбрасывать каждый N-й фрагмент (по умолчанию 0: ни одного)
  --heartbeat-ms N       период контрольных сигналов (по умолчанию 500; 0: без них)
  --no-heartbeat         начать с остановленными контрольными сигналами
  --no-video             начать с остановленным видео
  --no-identify          не отвечать на запрос идентификации
  --preview-fps N        кадров предпросмотра в секунду (по умолчанию 10)
  --quality N            качество JPEG кадров предпросмотра (по умолчанию 80)
  --drop-after N         разрывать каждое TCP-соединение после N снимков
  --at SECONDS:COMMAND   выполнить команду через заданное время после запуска (можно повторять)
  --exit-on-stdin-eof    завершиться, когда закроется стандартный ввод
  --duration SECONDS     завершиться через указанное время
  -h, --help             этот текст
  --version              версия kavimo, к которой относится эта программа

Команды (стандартный ввод, по одной на строку, или --at):
  key N                  видеокамера: отправить нажатие кнопки камеры N (81..85); фотокамера: сделать снимок
  capture                фотокамера: отправить сделанный снимок
  heartbeat on|off       запустить или остановить контрольные сигналы
  video on|off           запустить или остановить видео
  identify on|off        отвечать или не отвечать на запрос идентификации
  drop                   фотокамера: закрыть TCP-соединение
  oversize               фотокамера: отправить сообщение предпросмотра длиннее 1048576 байт
  loss N                 с этого момента отбрасывать каждый N-й фрагмент (0: ни одного)
  loss-rate N            с этого момента отбрасывать случайные фрагменты, N на тысячу (0: ни одного)
  send CODE [A1 [A2]]    отправить приложению командную датаграмму с этими значениями
  app-port N             с этого момента отправлять ответы, контрольные сигналы и кнопки на этот порт
  video-port N           с этого момента отправлять видео на этот порт
  quit                   завершиться

Стандартный вывод: одна строка «camsim ready mode=... cmd_port=... ...», когда все сокеты привязаны,
затем строки «camsim event ...»; в конце «camsim bye». Ошибки выводятся в стандартный поток ошибок.
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
        <translation>использование: kavimo-play [параметры] [FILE.h264]
Воспроизводит элементарный поток H.264 или, если файл не указан, генерируемое тестовое изображение.
  --size WxH            размер генерируемого изображения (по умолчанию 1280x720)
  --fps N               частота кадров потока (по умолчанию 25)
  --mode 0|1            режим отрисовки: 0 — слой поверхности (по умолчанию), 1 — SDL
  --overlay             выводить текст статистики поверх видео
  --frames N            остановиться после N кадров
  --seconds S           остановиться через S секунд
  --loop                по окончании файла начинать его заново
  --window WxH          размер окна (по умолчанию: размер тестового изображения, 960x540 для файла)
  --no-pacing           показывать кадры так быстро, как они отрисовываются (без выдержки темпа, подача сразу)
  --shot FILE.bmp       в конце записать последний показанный кадр (TEGMO_PLAY_VideoShotLast)
  --window-shot FILE.bmp  в конце записать то, что показывает окно
  --record FILE.h264    также записывать воспроизведённые кадры в файл элементарного потока
  -h, --help            этот текст
  --version             версия kavimo, к которой относится эта программа
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
        <translation>Использование: kavimo-records [--drive-d DIR] [--data-group GROUP] COMMAND

Просматривает карты пациентов kavimo, не изменяя их; tag записывает зубы и проекцию снимка
рядом с картами.

Команды:
  list        все пациенты: номер, UID, ФИО, пол, возраст, телефон, диагнозы, снимки
  show UID    карта одного пациента, диагнозы и снимки с их зубами и проекциями
              (UID20170801102233 или только цифры)
  tag UID PICTURE [--teeth 11,21] [--view VIEW]
              задаёт зубы (номера FDI; пусто: нет) и проекцию снимка; PICTURE — снимок в том виде,
              как его называет show (номер, путь или имя файла); VIEW — frontal,
              left-buccal, right-buccal, upper-occlusal, lower-occlusal, close-up или other
              (пусто: нет). Не выполняется, пока рабочая папка открыта в kavimo
  check       сверяет счётчики каждого пациента с его файлами списков и файлами снимков, проверяет,
              что каждый снимок содержит JPEG, и ищет недостающие резервные копии и лишние файлы;
              при проблеме код завершения 1
  export-dicom UID DIR [--pacs-issuer TEXT]
              записывает все снимки пациента в DIR/DICOM/ вместе с DICOMDIR
  send-dicom UID --pacs AET@HOST:PORT [--calling-aet AET] [--pacs-issuer TEXT] [параметры TLS]
              отправляет все снимки пациента в архив, по одной строке на снимок
              (эти две команды записывают идентификатор установки, Installation.txt в рабочей
              папке, если его ещё нет: он входит в каждый создаваемый ими UID)
  worklist --pacs AET@HOST:PORT [--calling-aet AET] [параметры TLS] [--date YYYYMMDD]
              пациенты, записанные в расписании (worklist) на день (по умолчанию на сегодня)
  audit [--since YYYYMMDD]
              журнал аудита: кто что снял, сохранил, удалил, экспортировал или отправил и
              когда, по одному событию на строку (начиная с указанного дня)

Параметры:
  --drive-d DIR   папка на компьютере, которая служит диском d: (по умолчанию: $KAVIMO_DRIVE_D,
                  иначе paths/drive_d из kavimo.ini ($KAVIMO_CONFIG, иначе
                  ~/.config/kavimo/kavimo.ini), иначе $XDG_DATA_HOME/kavimo/d, т. е.
                  ~/.local/share/kavimo/d; без HOME её нужно указать)
  --data-group GROUP  группа с общим доступом к картам: всё, что записывает эта программа, получает
                  права 0660 (папки 0770) и эту группу (по умолчанию: $KAVIMO_DATA_GROUP,
                  иначе paths/data_group из kavimo.ini, иначе нет: 0600 и 0700)
  --pacs AET@HOST:PORT  архив: его AE title, хост и DICOM-порт
  --calling-aet AET     собственный AE title kavimo (по умолчанию KAVIMO)
  --pacs-issuer TEXT    издатель ID пациента (Issuer of Patient ID) для собственных ID пациентов kavimo
                        (по умолчанию: $KAVIMO_PACS_ISSUER, иначе KAVIMO- и 8 шестнадцатеричных
                        цифр идентификатора установки)
  --pacs-tls on|off     связь с архивом по TLS (по умолчанию off: обычный TCP)
  --pacs-tls-ca FILE    сертификаты ЦС (PEM), к которым должен восходить сертификат архива;
                        сертификат также должен содержать имя хоста архива
  --pacs-tls-cert FILE  собственный сертификат kavimo (PEM) для архивов, которые его запрашивают
  --pacs-tls-key FILE   незашифрованный закрытый ключ (PEM) этого сертификата
  --date YYYYMMDD       день расписания
  --since YYYYMMDD      первый день журнала аудита
  --teeth LIST          tag: зубы снимка, номера FDI, например 11,21
  --view VIEW           tag: проекция снимка
  -h, --help      этот текст
  --version       версия kavimo, к которой относится эта программа

Код завершения: 0 — всё в порядке; 1 — найдены проблемы, нет такого пациента или снимка, рабочая
папка занята, либо снимок или файл не записан или не сохранён; 2 — неверный вызов или нет рабочей папки.
</translation>
    </message>
    <message>
        <source>not a UID: %1</source>
        <translation>не UID: %1</translation>
    </message>
    <message>
        <source>tag needs --teeth or --view</source>
        <translation>для tag нужен --teeth или --view</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>команда не указана</translation>
    </message>
    <message>
        <source>--teeth and --view apply to tag only</source>
        <translation>--teeth и --view применимы только к tag</translation>
    </message>
    <message>
        <source>--pacs, --calling-aet and the TLS options do not apply to %1</source>
        <translation>--pacs, --calling-aet и параметры TLS неприменимы к %1</translation>
    </message>
    <message>
        <source>--pacs-tls-ca, --pacs-tls-cert and --pacs-tls-key need --pacs-tls on</source>
        <translation>для --pacs-tls-ca, --pacs-tls-cert и --pacs-tls-key нужен --pacs-tls on</translation>
    </message>
    <message>
        <source>--pacs-issuer does not apply to %1</source>
        <translation>--pacs-issuer неприменим к %1</translation>
    </message>
    <message>
        <source>--pacs-issuer needs 1 to 64 characters without a backslash</source>
        <translation>--pacs-issuer должен содержать от 1 до 64 символов без обратной косой черты</translation>
    </message>
    <message>
        <source>--since applies to audit only</source>
        <translation>--since применим только к audit</translation>
    </message>
    <message>
        <source>--since needs YYYYMMDD</source>
        <translation>--since требует дату в формате YYYYMMDD</translation>
    </message>
    <message>
        <source>--date applies to worklist only</source>
        <translation>--date применим только к worklist</translation>
    </message>
    <message>
        <source>--date needs YYYYMMDD</source>
        <translation>--date требует дату в формате YYYYMMDD</translation>
    </message>
    <message>
        <source>%1 needs --pacs AET@HOST:PORT</source>
        <translation>для %1 нужен --pacs AET@HOST:PORT</translation>
    </message>
    <message>
        <source>wrong arguments for %1</source>
        <translation>неверные аргументы для %1</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>неизвестная команда %1</translation>
    </message>
    <message>
        <source>%1: not a regular file</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1: не обычный файл</translation>
    </message>
    <message>
        <source>%1: the line was written only in part (the disk may be full)</source>
        <translation>%1: строка записана лишь частично (возможно, диск заполнен)</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <extracomment>%1 is the audit trail&apos;s file</extracomment>
        <translation>%1: не удаётся прочитать</translation>
    </message>
    <message>
        <source>line %1: no &quot;=&quot;</source>
        <extracomment>%1 is a line number of a &quot;Key=value&quot; file</extracomment>
        <translation>строка %1: нет знака «=»</translation>
    </message>
    <message>
        <source>line %1: %2 given twice</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>строка %1: ключ %2 указан дважды</translation>
    </message>
    <message>
        <source>line %1: %2 is not UTF-8 text</source>
        <extracomment>%1 is a line number, %2 a key of a &quot;Key=value&quot; file</extracomment>
        <translation>строка %1: значение %2 не является текстом UTF-8</translation>
    </message>
    <message>
        <source>%1 is not a YYYYMMDD date</source>
        <extracomment>%1 is a key of a &quot;Key=value&quot; file (&quot;BirthDate&quot;, &quot;Date&quot;)</extracomment>
        <translation>%1 — не дата в формате YYYYMMDD</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>line %1: unknown key &quot;%2&quot;</source>
        <extracomment>%1 is a line number, %2 a key of the patient&apos;s details file</extracomment>
        <translation>строка %1: неизвестный ключ «%2»</translation>
    </message>
    <message>
        <source>%1 is not one of M, F, O, U</source>
        <extracomment>%1 is the key of the sex in the patient&apos;s details file (&quot;Sex&quot;)</extracomment>
        <translation>%1 — не одно из значений M, F, O, U</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>не удаётся прочитать</translation>
    </message>
    <message numerus="yes">
        <source>larger than %n bytes</source>
        <translation>
            <numerusform>больше %n байта</numerusform>
            <numerusform>больше %n байт</numerusform>
            <numerusform>больше %n байт</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cannot be read, or larger than %n bytes</source>
        <translation>
            <numerusform>не удаётся прочитать или больше %n байта</numerusform>
            <numerusform>не удаётся прочитать или больше %n байт</numerusform>
            <numerusform>не удаётся прочитать или больше %n байт</numerusform>
        </translation>
    </message>
    <message>
        <source>Frontal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Фронтальная</translation>
    </message>
    <message>
        <source>Left buccal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Щёчная слева</translation>
    </message>
    <message>
        <source>Right buccal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Щёчная справа</translation>
    </message>
    <message>
        <source>Upper occlusal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Окклюзионная верхняя</translation>
    </message>
    <message>
        <source>Lower occlusal</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Окклюзионная нижняя</translation>
    </message>
    <message>
        <source>Close-up</source>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Крупный план</translation>
    </message>
    <message>
        <source>Other</source>
        <comment>view</comment>
        <extracomment>the view of an intraoral picture</extracomment>
        <translation>Другая</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an FDI tooth number (11-48, 51-85)</source>
        <translation>«%1» — не номер зуба по FDI (11-48, 51-85)</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>не удаётся прочитать: %1</translation>
    </message>
    <message>
        <source>the first line is not &quot;%1&quot;</source>
        <translation>первая строка должна быть «%1»</translation>
    </message>
    <message>
        <source>not three tab-separated fields</source>
        <translation>не три поля, разделённых табуляцией</translation>
    </message>
    <message>
        <source>not a picture&apos;s file name</source>
        <translation>не имя файла снимка</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <extracomment>%1 is the file name of a picture</extracomment>
        <translation>%1 указан дважды</translation>
    </message>
    <message>
        <source>the teeth are not in ascending order, separated by commas</source>
        <translation>зубы указаны не по возрастанию или не через запятую</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view</source>
        <translation>«%1» — не проекция</translation>
    </message>
    <message>
        <source>neither teeth nor a view</source>
        <translation>нет ни зубов, ни проекции</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <extracomment>%1 is a line number of the teeth file, %2 what is wrong with that line</extracomment>
        <translation>строка %1: %2</translation>
    </message>
    <message>
        <source>cannot remove %1: %2</source>
        <extracomment>%1 is a file name, %2 the system&apos;s reason</extracomment>
        <translation>не удаётся удалить %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged (%2); it is left as it is</source>
        <extracomment>%1 is the teeth file&apos;s name, %2 what is wrong with it</extracomment>
        <translation>%1 повреждён (%2); файл оставлен без изменений</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be tagged</source>
        <translation>не удаётся отметить «%1»</translation>
    </message>
    <message>
        <source>the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>не удаётся прочитать индекс корзины</translation>
    </message>
    <message>
        <source>the index does not begin with &quot;%1&quot;</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>индекс корзины не начинается с «%1»</translation>
    </message>
    <message>
        <source>line %1 of the index cannot be read</source>
        <extracomment>the index: the trash&apos;s list of what it holds</extracomment>
        <translation>не удаётся прочитать строку %1 индекса корзины</translation>
    </message>
    <message>
        <source>entry %1 (%2) has no folder</source>
        <extracomment>%1 is the name of an entry of the trash, %2 the patient or picture it holds</extracomment>
        <translation>у элемента корзины %1 (%2) нет папки</translation>
    </message>
    <message>
        <source>cannot create the folder %1: something else has its name</source>
        <translation>не удаётся создать папку %1: это имя уже занято</translation>
    </message>
    <message>
        <source>cannot create the folder %1: %2</source>
        <translation>не удаётся создать папку %1: %2</translation>
    </message>
    <message>
        <source>cannot create a temporary folder in %1: %2</source>
        <translation>не удаётся создать временную папку в %1: %2</translation>
    </message>
    <message>
        <source>no free file name for the picture in %1</source>
        <translation>в %1 нет свободного имени файла для снимка</translation>
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
        <translation>нет снимков для включения в DICOMDIR</translation>
    </message>
    <message>
        <source>cannot create %1: %2</source>
        <extracomment>%2 the system&apos;s reason</extracomment>
        <translation>не удаётся создать %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: it does not hold this installation&apos;s identity. Restore it from a backup; remove it only to give this installation a new identity (pictures sent before then get new UIDs when they are sent again)</source>
        <translation>%1 повреждён: в нём нет идентификатора этой установки. Восстановите его из резервной копии; удаляйте его, только чтобы присвоить установке новый идентификатор (снимки, отправленные до этого, при повторной отправке получат новые UID)</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>cannot write the outbox %1: %2</source>
        <translation>не удаётся записать очередь отправки %1: %2</translation>
    </message>
    <message>
        <source>cannot read the outbox %1: %2</source>
        <translation>не удаётся прочитать очередь отправки %1: %2</translation>
    </message>
    <message>
        <source>the sending failed: %1</source>
        <translation>отправка не удалась: %1</translation>
    </message>
    <message numerus="yes">
        <source>refused %n times: %1</source>
        <translation>
            <numerusform>отклонено %n раз: %1</numerusform>
            <numerusform>отклонено %n раза: %1</numerusform>
            <numerusform>отклонено %n раз: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>warning</source>
        <translation>предупреждение</translation>
    </message>
    <message>
        <source>attribute list error</source>
        <translation>ошибка списка атрибутов</translation>
    </message>
    <message>
        <source>attribute value out of range</source>
        <translation>значение атрибута вне допустимого диапазона</translation>
    </message>
    <message>
        <source>processing failure</source>
        <translation>сбой обработки</translation>
    </message>
    <message>
        <source>SOP class not supported</source>
        <translation>SOP-класс не поддерживается</translation>
    </message>
    <message>
        <source>not authorised</source>
        <translation>нет полномочий</translation>
    </message>
    <message>
        <source>coercion of data elements</source>
        <translation>элементы данных изменены архивом</translation>
    </message>
    <message>
        <source>elements discarded</source>
        <translation>элементы отброшены</translation>
    </message>
    <message>
        <source>data set does not match SOP class</source>
        <translation>набор данных не соответствует SOP-классу</translation>
    </message>
    <message>
        <source>cannot understand</source>
        <translation>невозможно интерпретировать</translation>
    </message>
    <message>
        <source>out of resources</source>
        <translation>нехватка ресурсов</translation>
    </message>
    <message>
        <source>status %1</source>
        <extracomment>%1 is a DICOM status number (0xA700)</extracomment>
        <translation>статус %1</translation>
    </message>
    <message>
        <source>status %1: %2</source>
        <extracomment>%1 is a DICOM status number (0xA700), %2 what it means (&quot;out of resources&quot;)</extracomment>
        <translation>статус %1: %2</translation>
    </message>
    <message>
        <source>TLS cannot be set up: %1</source>
        <translation>не удаётся настроить TLS: %1</translation>
    </message>
    <message>
        <source>TLS is on, but no CA certificate file is set to check the archive&apos;s certificate with</source>
        <translation>TLS включён, но не задан файл сертификатов ЦС для проверки сертификата архива</translation>
    </message>
    <message>
        <source>cannot read the CA certificate file %1: %2</source>
        <translation>не удаётся прочитать файл сертификатов ЦС %1: %2</translation>
    </message>
    <message>
        <source>the CA certificate file %1 holds no PEM certificate: %2</source>
        <translation>файл сертификатов ЦС %1 не содержит сертификата PEM: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS key file is set without its certificate file</source>
        <translation>файл ключа TLS kavimo задан без файла сертификата</translation>
    </message>
    <message>
        <source>kavimo&apos;s TLS certificate file is set without its key file</source>
        <translation>файл сертификата TLS kavimo задан без файла ключа</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s certificate file %1: %2</source>
        <translation>не удаётся прочитать файл сертификата kavimo %1: %2</translation>
    </message>
    <message>
        <source>cannot read kavimo&apos;s key file %1: %2</source>
        <translation>не удаётся прочитать файл ключа kavimo %1: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s certificate file %1 holds no PEM certificate: %2</source>
        <translation>файл сертификата kavimo %1 не содержит сертификата PEM: %2</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 holds no unencrypted PEM private key</source>
        <translation>файл ключа kavimo %1 не содержит незашифрованного закрытого ключа PEM</translation>
    </message>
    <message>
        <source>kavimo&apos;s key file %1 does not belong to the certificate %2</source>
        <translation>файл ключа kavimo %1 не соответствует сертификату %2</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1 (it is not made out to %2)</source>
        <extracomment>%1 is OpenSSL&apos;s reason, %2 the archive&apos;s host name or address</extracomment>
        <translation>сертификат архива не является доверенным: %1 (он выдан не для %2)</translation>
    </message>
    <message>
        <source>the archive&apos;s certificate is not trusted: %1</source>
        <extracomment>%1 is OpenSSL&apos;s reason</extracomment>
        <translation>сертификат архива не является доверенным: %1</translation>
    </message>
    <message>
        <source>the archive %1 did not finish the TLS handshake in time</source>
        <translation>архив %1 не завершил TLS-рукопожатие за отведённое время</translation>
    </message>
    <message>
        <source>the TLS handshake with the archive %1 failed: %2</source>
        <translation>TLS-рукопожатие с архивом %1 не удалось: %2</translation>
    </message>
    <message>
        <source>an entry without Patient ID</source>
        <translation>запись без ID пациента</translation>
    </message>
    <message>
        <source>patient &quot;%1&quot;</source>
        <translation>пациент «%1»</translation>
    </message>
    <message>
        <source>%1: %2 left out (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1: поле «%2» пропущено (%3)</translation>
    </message>
    <message>
        <source>%1: %2 shortened or cleaned (%3)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a field of it, %3 what is wrong with the value</extracomment>
        <translation>%1: поле «%2» обрезано или очищено (%3)</translation>
    </message>
    <message>
        <source>%1: its texts cannot be read in the character set &quot;%2&quot; (%3); what is not UTF-8 is shown as %4</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 a character set, %3 the converter&apos;s reason, %4 the replacement character</extracomment>
        <translation>%1: тексты записи не читаются в кодировке «%2» (%3); то, что не является UTF-8, показано как %4</translation>
    </message>
    <message>
        <source>%1: left out, its Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Patient ID</extracomment>
        <translation>%1: запись пропущена, её ID пациента непригоден (%2)</translation>
    </message>
    <message>
        <source>%1: left out, its Issuer of Patient ID is unusable (%2)</source>
        <extracomment>%1 names the worklist entry&apos;s patient, %2 what is wrong with its Issuer of Patient ID</extracomment>
        <translation>%1: запись пропущена, её издатель ID пациента (Issuer of Patient ID) непригоден (%2)</translation>
    </message>
    <message>
        <source>name</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>ФИО</translation>
    </message>
    <message>
        <source>birth date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>дата рождения</translation>
    </message>
    <message>
        <source>sex</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>пол</translation>
    </message>
    <message>
        <source>%1: sex left out (not F, M or O)</source>
        <extracomment>%1 names the worklist entry&apos;s patient</extracomment>
        <translation>%1: поле «пол» пропущено (не F, M или O)</translation>
    </message>
    <message>
        <source>Accession Number</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Accession Number</translation>
    </message>
    <message>
        <source>Study Instance UID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Study Instance UID</translation>
    </message>
    <message>
        <source>Requested Procedure ID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Requested Procedure ID</translation>
    </message>
    <message>
        <source>Requested Procedure Description</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>Requested Procedure Description</translation>
    </message>
    <message>
        <source>referring physician</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>направивший врач</translation>
    </message>
    <message>
        <source>scheduled date</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>назначенная дата</translation>
    </message>
    <message>
        <source>scheduled time</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>назначенное время</translation>
    </message>
    <message>
        <source>modality</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>модальность</translation>
    </message>
    <message>
        <source>station</source>
        <extracomment>a field of a worklist entry (the AE title of the station it is scheduled on)</extracomment>
        <translation>станция</translation>
    </message>
    <message>
        <source>step description</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>описание этапа</translation>
    </message>
    <message>
        <source>step ID</source>
        <extracomment>a field of a worklist entry</extracomment>
        <translation>ID этапа</translation>
    </message>
    <message>
        <source>no patient %1</source>
        <translation>пациент %1 не найден</translation>
    </message>
    <message>
        <source>refused %1: it is a link to %2, outside the work directory</source>
        <translation>%1 отклонён: это ссылка на %2 вне рабочей папки</translation>
    </message>
    <message>
        <source>refused %1: not a regular file</source>
        <translation>%1 отклонён: это не обычный файл</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>the picture is too large for an object</source>
        <translation>снимок слишком велик для объекта DICOM</translation>
    </message>
    <message>
        <source>no installation identity to make the object&apos;s UIDs with</source>
        <translation>нет идентификатора установки для создания UID объекта</translation>
    </message>
    <message>
        <source>the order&apos;s Study Instance UID: %1</source>
        <translation>Study Instance UID назначения: %1</translation>
    </message>
    <message>
        <source>Patient ID: %1</source>
        <translation>ID пациента: %1</translation>
    </message>
    <message>
        <source>Issuer of Patient ID: %1</source>
        <translation>Издатель ID пациента (Issuer of Patient ID): %1</translation>
    </message>
    <message>
        <source>Accession Number: %1</source>
        <translation>Accession Number: %1</translation>
    </message>
    <message>
        <source>not enough memory for the picture</source>
        <translation>недостаточно памяти для снимка</translation>
    </message>
    <message>
        <source>the object holds no JPEG data</source>
        <translation>объект не содержит данных JPEG</translation>
    </message>
    <message>
        <source>the object holds no RGB pixels</source>
        <translation>объект не содержит пикселей RGB</translation>
    </message>
    <message>
        <source>cannot make the picture uncompressed: %1</source>
        <translation>не удаётся распаковать снимок: %1</translation>
    </message>
    <message>
        <source>cannot make the picture JPEG: %1</source>
        <translation>не удаётся преобразовать снимок в JPEG: %1</translation>
    </message>
    <message>
        <source>not UTF-8 text</source>
        <translation>не текст UTF-8</translation>
    </message>
    <message>
        <source>contains a backslash</source>
        <translation>содержит обратную косую черту</translation>
    </message>
    <message>
        <source>contains a control character</source>
        <translation>содержит управляющий символ</translation>
    </message>
    <message numerus="yes">
        <source>longer than %n characters</source>
        <translation>
            <numerusform>длиннее %n символа</numerusform>
            <numerusform>длиннее %n символов</numerusform>
            <numerusform>длиннее %n символов</numerusform>
        </translation>
    </message>
    <message>
        <source>more than three name groups</source>
        <translation>больше трёх групп имени</translation>
    </message>
    <message numerus="yes">
        <source>a name group longer than %n characters</source>
        <translation>
            <numerusform>группа имени длиннее %n символа</numerusform>
            <numerusform>группа имени длиннее %n символов</numerusform>
            <numerusform>группа имени длиннее %n символов</numerusform>
        </translation>
    </message>
    <message>
        <source>more than five name components</source>
        <translation>больше пяти компонентов имени</translation>
    </message>
    <message>
        <source>not a person name</source>
        <translation>не имя человека</translation>
    </message>
    <message>
        <source>not an AE title</source>
        <translation>не AE title</translation>
    </message>
    <message>
        <source>not a code string</source>
        <translation>не кодовая строка</translation>
    </message>
    <message>
        <source>not a date</source>
        <translation>не дата</translation>
    </message>
    <message>
        <source>not a time</source>
        <translation>не время</translation>
    </message>
    <message>
        <source>not a UID</source>
        <translation>не UID</translation>
    </message>
    <message>
        <source>an unknown VR</source>
        <translation>неизвестный VR</translation>
    </message>
    <message>
        <source>the patient ID holds a control character or is not UTF-8 text</source>
        <translation>ID пациента содержит управляющий символ или не является текстом UTF-8</translation>
    </message>
    <message>
        <source>the last name holds a control character or is not UTF-8 text</source>
        <translation>фамилия содержит управляющий символ или не является текстом UTF-8</translation>
    </message>
    <message>
        <source>the first name holds a control character or is not UTF-8 text</source>
        <translation>имя содержит управляющий символ или не является текстом UTF-8</translation>
    </message>
    <message>
        <source>the phone holds a control character or is not UTF-8 text</source>
        <translation>телефон содержит управляющий символ или не является текстом UTF-8</translation>
    </message>
    <message numerus="yes">
        <source>the patient ID is longer than %n characters</source>
        <translation>
            <numerusform>ID пациента длиннее %n символа</numerusform>
            <numerusform>ID пациента длиннее %n символов</numerusform>
            <numerusform>ID пациента длиннее %n символов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the last name is longer than %n characters</source>
        <translation>
            <numerusform>фамилия длиннее %n символа</numerusform>
            <numerusform>фамилия длиннее %n символов</numerusform>
            <numerusform>фамилия длиннее %n символов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the first name is longer than %n characters</source>
        <translation>
            <numerusform>имя длиннее %n символа</numerusform>
            <numerusform>имя длиннее %n символов</numerusform>
            <numerusform>имя длиннее %n символов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the phone is longer than %n characters</source>
        <translation>
            <numerusform>телефон длиннее %n символа</numerusform>
            <numerusform>телефон длиннее %n символов</numerusform>
            <numerusform>телефон длиннее %n символов</numerusform>
        </translation>
    </message>
    <message>
        <source>the patient ID is missing</source>
        <translation>ID пациента не указан</translation>
    </message>
    <message>
        <source>the patient ID &quot;%1&quot; holds a path character (&apos;/&apos; or &apos;\&apos;)</source>
        <translation>ID пациента «%1» содержит символ пути (&apos;/&apos; или &apos;\&apos;)</translation>
    </message>
    <message>
        <source>the last name is missing</source>
        <translation>фамилия не указана</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD)</source>
        <translation>дата рождения «%1» не является датой (YYYYMMDD)</translation>
    </message>
    <message>
        <source>the birth date %1 lies in the future</source>
        <translation>дата рождения %1 находится в будущем</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, F, O or U</source>
        <translation>пол «%1» не является M, F, O или U</translation>
    </message>
    <message>
        <source>the message is too long</source>
        <translation>сообщение слишком длинное</translation>
    </message>
    <message>
        <source>the message does not start with &quot;%1&quot;</source>
        <translation>сообщение не начинается с «%1»</translation>
    </message>
    <message>
        <source>text follows the end line</source>
        <translation>после завершающей строки есть текст</translation>
    </message>
    <message>
        <source>the message holds no PatientID</source>
        <translation>в сообщении нет PatientID</translation>
    </message>
    <message>
        <source>line %1 holds no &apos;=&apos;</source>
        <translation>в строке %1 нет &apos;=&apos;</translation>
    </message>
    <message>
        <source>the key &quot;%1&quot; is repeated</source>
        <translation>ключ «%1» повторяется</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not the name of a picture</source>
        <translation>«%1» — не имя снимка</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;</source>
        <translation>неизвестный ключ «%1»</translation>
    </message>
    <message>
        <source>the message has no end line</source>
        <translation>в сообщении нет завершающей строки</translation>
    </message>
    <message numerus="yes">
        <source>the file is larger than %n KiB</source>
        <translation>
            <numerusform>файл больше %n КиБ</numerusform>
            <numerusform>файл больше %n КиБ</numerusform>
            <numerusform>файл больше %n КиБ</numerusform>
        </translation>
    </message>
    <message>
        <source>the file is UTF-8 text, not ISO-8859-1</source>
        <translation>файл содержит текст UTF-8, а не ISO-8859-1</translation>
    </message>
    <message>
        <source>the file is not ISO-8859-1 text (byte %1 at offset %2)</source>
        <translation>файл не является текстом ISO-8859-1 (байт %1 по смещению %2)</translation>
    </message>
    <message>
        <source>the transfer file has no [PATIENT] section</source>
        <translation>в файле обмена нет раздела [PATIENT]</translation>
    </message>
    <message>
        <source>the birth date &quot;%1&quot; is not a date (YYYYMMDD or DD.MM.YYYY)</source>
        <translation>дата рождения «%1» не является датой (YYYYMMDD или DD.MM.YYYY)</translation>
    </message>
    <message>
        <source>the sex &quot;%1&quot; is not M, W, D or U</source>
        <translation>пол «%1» не является M, W, D или U</translation>
    </message>
    <message>
        <source>[MMOS] COUNT &quot;%1&quot; is not a number of pictures</source>
        <translation>[MMOS] COUNT «%1» — не число снимков</translation>
    </message>
    <message>
        <source>[%1] MMOID &quot;%2&quot; is not a picture of kavimo&apos;s</source>
        <extracomment>%1 is a section of the transfer file (&quot;MMO1&quot;), %2 the picture name given there</extracomment>
        <translation>[%1] MMOID «%2» — не снимок kavimo</translation>
    </message>
    <message>
        <source>[MMOPATH] PATH &quot;%1&quot; is not an absolute folder path</source>
        <translation>[MMOPATH] PATH «%1» — не абсолютный путь к папке</translation>
    </message>
    <message>
        <source>the export names no pictures ([MMOS] COUNT)</source>
        <translation>для экспорта не указано ни одного снимка ([MMOS] COUNT)</translation>
    </message>
    <message>
        <source>the export folder %1 does not exist</source>
        <translation>папка экспорта %1 не существует</translation>
    </message>
    <message>
        <source>the picture %1 is not one of the patient&apos;s</source>
        <translation>снимок %1 не принадлежит этому пациенту</translation>
    </message>
    <message>
        <source>cannot read the picture %1</source>
        <translation>не удаётся прочитать снимок %1</translation>
    </message>
    <message>
        <source>the data group &quot;%1&quot; does not exist</source>
        <translation>группа общего доступа «%1» не существует</translation>
    </message>
    <message>
        <source>this account is not a member of the data group &quot;%1&quot;</source>
        <translation>эта учётная запись не входит в группу общего доступа «%1»</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder of this account&apos;s own for the records; give the d: drive&apos;s folder with --drive-d or KAVIMO_DRIVE_D</source>
        <translation>HOME не задан, поэтому у этой учётной записи нет собственной папки для карт пациентов; укажите папку диска d: через --drive-d или KAVIMO_DRIVE_D</translation>
    </message>
    <message>
        <source>ok</source>
        <extracomment>the outcome of an event of the audit trail; keep it at most 7 characters</extracomment>
        <translation>ок</translation>
    </message>
    <message>
        <source>FAILED</source>
        <translation>ОШИБКА</translation>
    </message>
    <message>
        <source>Audit trail %1 (%2)</source>
        <translation>Журнал аудита %1 (%2)</translation>
    </message>
    <message>
        <source>1 event</source>
        <translation>1 событие</translation>
    </message>
    <message numerus="yes">
        <source>%n events</source>
        <translation>
            <numerusform>%n событие</numerusform>
            <numerusform>%n события</numerusform>
            <numerusform>%n событий</numerusform>
        </translation>
    </message>
    <message>
        <source>1 event since %1</source>
        <translation>1 событие с %1</translation>
    </message>
    <message numerus="yes">
        <source>%n events since %1</source>
        <translation>
            <numerusform>%n событие с %1</numerusform>
            <numerusform>%n события с %1</numerusform>
            <numerusform>%n событий с %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1; 1 line skipped, not a whole event</source>
        <extracomment>%1 the events shown, such as &quot;2 events since 20240305&quot;</extracomment>
        <translation>%1; пропущено строк с неполными событиями: 1</translation>
    </message>
    <message numerus="yes">
        <source>%1; %n lines skipped, not a whole event</source>
        <translation>
            <numerusform>%1; пропущено строк с неполными событиями: %n</numerusform>
            <numerusform>%1; пропущено строк с неполными событиями: %n</numerusform>
            <numerusform>%1; пропущено строк с неполными событиями: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>problem: %1: %2</source>
        <extracomment>a finding of kavimo-records check: %1 the file or folder, %2 what is wrong with it</extracomment>
        <translation>проблема: %1: %2</translation>
    </message>
    <message>
        <source>warning: %1: %2</source>
        <extracomment>a finding of kavimo-records check: %1 the file or folder, %2 what may be wrong with it</extracomment>
        <translation>предупреждение: %1: %2</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file cannot be read</source>
        <translation>снимок %1 «%2»: не удаётся прочитать файл</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (content: %3)</source>
        <extracomment>%3 the name of a picture format, such as PNG</extracomment>
        <translation>снимок %1 «%2»: не изображение JPEG (содержимое: %3)</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (the file is empty)</source>
        <translation>снимок %1 «%2»: не изображение JPEG (файл пуст)</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: not a JPEG picture (unknown content)</source>
        <translation>снимок %1 «%2»: не изображение JPEG (неизвестное содержимое)</translation>
    </message>
    <message>
        <source>1 patient</source>
        <translation>1 пациент</translation>
    </message>
    <message numerus="yes">
        <source>%n patients</source>
        <translation>
            <numerusform>%n пациент</numerusform>
            <numerusform>%n пациента</numerusform>
            <numerusform>%n пациентов</numerusform>
        </translation>
    </message>
    <message>
        <source>missing, but the record counts 1 record</source>
        <translation>отсутствует, но в карте пациента указано записей: 1</translation>
    </message>
    <message numerus="yes">
        <source>missing, but the record counts %n records</source>
        <translation>
            <numerusform>отсутствует, но в карте пациента указано записей: %n</numerusform>
            <numerusform>отсутствует, но в карте пациента указано записей: %n</numerusform>
            <numerusform>отсутствует, но в карте пациента указано записей: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (created empty when the patient is selected)</source>
        <translation>отсутствует (будет создан пустым при выборе пациента)</translation>
    </message>
    <message>
        <source>%1 bytes is not a whole number of %2-byte records</source>
        <translation>размер %1 байт не кратен размеру записи (%2 байт)</translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1</source>
        <extracomment>%1 the count in the patient&apos;s record</extracomment>
        <translation>содержит 1 запись, а в карте пациента указано %1</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1</source>
        <translation>
            <numerusform>содержит %n запись, а в карте пациента указано %1</numerusform>
            <numerusform>содержит %n записи, а в карте пациента указано %1</numerusform>
            <numerusform>содержит %n записей, а в карте пациента указано %1</numerusform>
        </translation>
    </message>
    <message>
        <source>holds 1 record, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>содержит 1 запись, а в карте пациента указано %1 (лишнее будет отброшено при перезаписи)</translation>
    </message>
    <message numerus="yes">
        <source>holds %n records, the record counts %1 (the rest is dropped when rewritten)</source>
        <translation>
            <numerusform>содержит %n запись, а в карте пациента указано %1 (лишнее будет отброшено при перезаписи)</numerusform>
            <numerusform>содержит %n записи, а в карте пациента указано %1 (лишнее будет отброшено при перезаписи)</numerusform>
            <numerusform>содержит %n записей, а в карте пациента указано %1 (лишнее будет отброшено при перезаписи)</numerusform>
        </translation>
    </message>
    <message>
        <source>a link, not the folder of the originals</source>
        <translation>ссылка, а не папка оригиналов</translation>
    </message>
    <message>
        <source>stray directory among the originals</source>
        <translation>лишняя папка среди оригиналов</translation>
    </message>
    <message>
        <source>left over from an interrupted copy of an original</source>
        <translation>остаток прерванного копирования оригинала</translation>
    </message>
    <message>
        <source>an original without its picture</source>
        <translation>оригинал без своего снимка</translation>
    </message>
    <message>
        <source>damaged teeth and views (%1)</source>
        <translation>файл зубов и проекций повреждён (%1)</translation>
    </message>
    <message>
        <source>teeth of %1, which is not there (Update forgets them)</source>
        <translation>зубы снимка %1, которого нет («Обновить» удалит эту запись)</translation>
    </message>
    <message>
        <source>holds the record of %1</source>
        <translation>содержит карту пациента %1</translation>
    </message>
    <message>
        <source>the record names the directory &quot;%1&quot;</source>
        <translation>в карте пациента указана папка «%1»</translation>
    </message>
    <message>
        <source>%1 bytes instead of 1032</source>
        <translation>%1 байт вместо 1032</translation>
    </message>
    <message>
        <source>negative counts in the record</source>
        <translation>отрицательные счётчики в карте пациента</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; belongs to %3</source>
        <translation>снимок %1 «%2» принадлежит пациенту %3</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot; lies outside the patient&apos;s directory</source>
        <translation>снимок %1 «%2» находится вне папки пациента</translation>
    </message>
    <message>
        <source>picture %1 &quot;%2&quot;: the file is missing</source>
        <translation>снимок %1 «%2»: файл отсутствует</translation>
    </message>
    <message>
        <source>stray directory in a patient directory</source>
        <translation>лишняя папка в папке пациента</translation>
    </message>
    <message>
        <source>left over from an interrupted rewrite</source>
        <translation>остаток прерванной перезаписи</translation>
    </message>
    <message>
        <source>picture not in the picture list (Update rebuilds it)</source>
        <translation>снимка нет в списке снимков («Обновить» восстановит список)</translation>
    </message>
    <message>
        <source>damaged patient details (%1); the record stands in for them</source>
        <translation>данные пациента повреждены (%1); вместо них используется карта пациента</translation>
    </message>
    <message>
        <source>damaged worklist order (%1); its pictures go into kavimo&apos;s own study of their day</source>
        <translation>назначение из расписания повреждено (%1); снимки попадут в собственное исследование kavimo за свой день</translation>
    </message>
    <message>
        <source>stray file</source>
        <translation>лишний файл</translation>
    </message>
    <message>
        <source>not in the trash index (removed after 30 days)</source>
        <translation>нет в индексе корзины (удаляется через 30 дней)</translation>
    </message>
    <message>
        <source>no work directory at %1</source>
        <translation>нет рабочей папки в %1</translation>
    </message>
    <message>
        <source>damaged: not an installation identity (restore it from a backup)</source>
        <translation>повреждён: это не идентификатор установки (восстановите его из резервной копии)</translation>
    </message>
    <message>
        <source>a link, not a directory; not a patient</source>
        <translation>ссылка, а не папка; не пациент</translation>
    </message>
    <message>
        <source>missing backup: no %1, so the patient is not in the patient list</source>
        <translation>нет резервной копии: отсутствует %1, поэтому пациента нет в списке пациентов</translation>
    </message>
    <message>
        <source>incomplete backup: %1 of 1032 bytes; not in the patient list</source>
        <translation>неполная резервная копия: %1 из 1032 байт; пациента нет в списке пациентов</translation>
    </message>
    <message>
        <source>UID is not above the one before it in list order</source>
        <translation>UID не больше предыдущего в порядке списка</translation>
    </message>
    <message numerus="yes">
        <source>more than %n patients</source>
        <translation>
            <numerusform>больше %n пациента</numerusform>
            <numerusform>больше %n пациентов</numerusform>
            <numerusform>больше %n пациентов</numerusform>
        </translation>
    </message>
    <message>
        <source>missing (regenerated at the next start)</source>
        <translation>отсутствует (будет создан заново при следующем запуске)</translation>
    </message>
    <message>
        <source>%1 for %2 (regenerated at the next start)</source>
        <extracomment>%1 the entries of the patient list file, such as &quot;3 records&quot;; %2 the patients, such as &quot;2 patients&quot;</extracomment>
        <translation>%1, а найдено: %2 (будет создан заново при следующем запуске)</translation>
    </message>
    <message>
        <source>1 record</source>
        <translation>1 запись</translation>
    </message>
    <message numerus="yes">
        <source>%n records</source>
        <translation>
            <numerusform>%n запись</numerusform>
            <numerusform>%n записи</numerusform>
            <numerusform>%n записей</numerusform>
        </translation>
    </message>
    <message>
        <source>odd length: not UTF-16 text</source>
        <translation>нечётная длина: не текст UTF-16</translation>
    </message>
    <message>
        <source>%1 checked: %2, %3.</source>
        <extracomment>the summary of kavimo-records check: %1 such as &quot;2 patients&quot;, %2 such as &quot;0 problems&quot;, %3 such as &quot;1 warning&quot;</extracomment>
        <translation>Проверено: %1; %2, %3.</translation>
    </message>
    <message>
        <source>1 problem</source>
        <translation>1 проблема</translation>
    </message>
    <message numerus="yes">
        <source>%n problems</source>
        <translation>
            <numerusform>%n проблема</numerusform>
            <numerusform>%n проблемы</numerusform>
            <numerusform>%n проблем</numerusform>
        </translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>1 предупреждение</translation>
    </message>
    <message numerus="yes">
        <source>%n warnings</source>
        <translation>
            <numerusform>%n предупреждение</numerusform>
            <numerusform>%n предупреждения</numerusform>
            <numerusform>%n предупреждений</numerusform>
        </translation>
    </message>
    <message>
        <source>not an archive address (AET@HOST:PORT): %1</source>
        <translation>не адрес архива (AET@HOST:PORT): %1</translation>
    </message>
    <message>
        <source>not an AE title: %1</source>
        <translation>не AE title: %1</translation>
    </message>
    <message>
        <source>Exporting %1 of %2: %3</source>
        <extracomment>the progress line of kavimo-records export-dicom: %1 of %2 pictures, %3 the picture&apos;s name</extracomment>
        <translation>Экспорт %1 из %2: %3</translation>
    </message>
    <message>
        <source>%1 of 1 picture written</source>
        <translation>Записано %1 из 1 снимка</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures written</source>
        <translation>
            <numerusform>Записано %1 из %n снимка</numerusform>
            <numerusform>Записано %1 из %n снимков</numerusform>
            <numerusform>Записано %1 из %n снимков</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: failed: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why it was not stored</extracomment>
        <translation>%1: ошибка: %2</translation>
    </message>
    <message>
        <source>%1: not sent: %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 why the archive cannot be reached</extracomment>
        <translation>%1: не отправлен: %2</translation>
    </message>
    <message>
        <source>%1: stored as %2</source>
        <extracomment>a line of kavimo-records send-dicom: %1 the picture, %2 the UID the archive stored it as</extracomment>
        <translation>%1: сохранён как %2</translation>
    </message>
    <message>
        <source>%1 of 1 picture stored in %2</source>
        <extracomment>%2 the archive, such as PACS@host:104</extracomment>
        <translation>Сохранено в %2: %1 из 1 снимка</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pictures stored in %2</source>
        <translation>
            <numerusform>Сохранено в %2: %1 из %n снимка</numerusform>
            <numerusform>Сохранено в %2: %1 из %n снимков</numerusform>
            <numerusform>Сохранено в %2: %1 из %n снимков</numerusform>
        </translation>
    </message>
    <message>
        <source>Worklist of %1: 1 scheduled patient</source>
        <extracomment>%1 the day, YYYYMMDD</extracomment>
        <translation>Расписание на %1: 1 пациент</translation>
    </message>
    <message numerus="yes">
        <source>Worklist of %1: %n scheduled patients</source>
        <translation>
            <numerusform>Расписание на %1: %n пациент</numerusform>
            <numerusform>Расписание на %1: %n пациента</numerusform>
            <numerusform>Расписание на %1: %n пациентов</numerusform>
        </translation>
    </message>
    <message>
        <source>Time</source>
        <extracomment>a column heading of kavimo-records worklist: the scheduled time</extracomment>
        <translation>Время</translation>
    </message>
    <message>
        <source>Patient ID</source>
        <extracomment>a column heading of kavimo-records worklist</extracomment>
        <translation>ID пациента</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>a column heading of kavimo-records worklist
----------
a column heading of kavimo-records list</extracomment>
        <translation>ФИО</translation>
    </message>
    <message>
        <source>Born</source>
        <extracomment>a column heading of kavimo-records worklist: the birth date</extracomment>
        <translation>Дата рожд.</translation>
    </message>
    <message>
        <source>Sex</source>
        <extracomment>a column heading of kavimo-records worklist: the letter M, F or O
----------
a column heading of kavimo-records list</extracomment>
        <translation>Пол</translation>
    </message>
    <message>
        <source>Procedure</source>
        <extracomment>a column heading of kavimo-records worklist: the scheduled procedure</extracomment>
        <translation>Процедура</translation>
    </message>
    <message numerus="yes">
        <source>(list cut at %n entries; the archive schedules more)</source>
        <translation>
            <numerusform>(список ограничен %n записью; в расписании архива их больше)</numerusform>
            <numerusform>(список ограничен %n записями; в расписании архива их больше)</numerusform>
            <numerusform>(список ограничен %n записями; в расписании архива их больше)</numerusform>
        </translation>
    </message>
    <message>
        <source>male</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>муж.</translation>
    </message>
    <message>
        <source>female</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>жен.</translation>
    </message>
    <message>
        <source>Work directory %1 (%2)</source>
        <translation>Рабочая папка %1 (%2)</translation>
    </message>
    <message>
        <source>Hospital: %1</source>
        <translation>Клиника: %1</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(не задано)</translation>
    </message>
    <message>
        <source>No.</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number in the list</extracomment>
        <translation>№</translation>
    </message>
    <message>
        <source>Age</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>Лет</translation>
    </message>
    <message>
        <source>Phone</source>
        <extracomment>a column heading of kavimo-records list</extracomment>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>Diags</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of diagnoses</extracomment>
        <translation>Диагн.</translation>
    </message>
    <message>
        <source>Pics</source>
        <extracomment>a column heading of kavimo-records list: the patient&apos;s number of pictures</extracomment>
        <translation>Снимки</translation>
    </message>
    <message>
        <source>Details:</source>
        <extracomment>a label of kavimo-records show: the details typed for the patient</extracomment>
        <translation>Данные:</translation>
    </message>
    <message>
        <source>none (%1 is missing)</source>
        <translation>нет (%1 отсутствует)</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 повреждён: %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>из %1</translation>
    </message>
    <message>
        <source>other</source>
        <extracomment>the patient&apos;s sex</extracomment>
        <translation>другой</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>the patient&apos;s sex: not known</extracomment>
        <translation>неизвестен</translation>
    </message>
    <message>
        <source>Full name:</source>
        <translation>ФИО:</translation>
    </message>
    <message>
        <source>Phone:</source>
        <translation>Телефон:</translation>
    </message>
    <message>
        <source>Birth date:</source>
        <translation>Дата рождения:</translation>
    </message>
    <message>
        <source>Sex:</source>
        <translation>Пол:</translation>
    </message>
    <message>
        <source>Patient ID:</source>
        <translation>ID пациента:</translation>
    </message>
    <message>
        <source>Issuer:</source>
        <extracomment>the issuer of the patient&apos;s outside Patient ID</extracomment>
        <translation>Издатель ID:</translation>
    </message>
    <message>
        <source>Worklist name:</source>
        <extracomment>the patient&apos;s name as the worklist wrote it</extracomment>
        <translation>Имя в расписании:</translation>
    </message>
    <message>
        <source>no patient %1 in %2</source>
        <translation>пациент %1 не найден в %2</translation>
    </message>
    <message>
        <source>Patient %1 of %2</source>
        <translation>Пациент %1 из %2</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>ФИО:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Возраст:</translation>
    </message>
    <message>
        <source>Directory:</source>
        <extracomment>a label of kavimo-records show: the patient&apos;s folder</extracomment>
        <translation>Папка:</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Описание:</translation>
    </message>
    <message>
        <source>%1 (%2 holds %3)</source>
        <extracomment>%1 the count in the patient&apos;s record, %2 a list file, %3 the entries the file holds</extracomment>
        <translation>%1 (%2 содержит %3)</translation>
    </message>
    <message>
        <source>Diagnoses:</source>
        <translation>Диагнозы:</translation>
    </message>
    <message>
        <source>Teeth:</source>
        <translation>Зубы:</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Снимки:</translation>
    </message>
    <message>
        <source>[missing]</source>
        <extracomment>after a picture of kavimo-records show whose file is not there</extracomment>
        <translation>[отсутствует]</translation>
    </message>
    <message>
        <source>--drive-d needs a directory</source>
        <translation>для --drive-d нужна папка</translation>
    </message>
    <message>
        <source>--data-group needs a group</source>
        <translation>для --data-group нужна группа</translation>
    </message>
    <message>
        <source>--pacs-issuer needs a text</source>
        <translation>для --pacs-issuer нужен текст</translation>
    </message>
    <message>
        <source>--pacs-tls needs on or off</source>
        <translation>для --pacs-tls нужно значение on или off</translation>
    </message>
    <message>
        <source>--teeth needs FDI numbers such as 11,21</source>
        <translation>для --teeth нужны номера FDI, например 11,21</translation>
    </message>
    <message>
        <source>--view needs a view</source>
        <translation>для --view нужна проекция</translation>
    </message>
    <message>
        <source>teeth %1</source>
        <extracomment>under a picture: %1 its teeth, FDI numbers such as 11,21</extracomment>
        <translation>зубы %1</translation>
    </message>
    <message>
        <source>view %1</source>
        <extracomment>under a picture: %1 its view, a keyword such as frontal</extracomment>
        <translation>проекция %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a view (%2)</source>
        <extracomment>%2 the view keywords, such as &quot;frontal, left-buccal, ...&quot;</extracomment>
        <translation>«%1» — не проекция (допустимые: %2)</translation>
    </message>
    <message>
        <source>%1 has no picture %2 in its directory (see show %1)</source>
        <extracomment>%1 the patient&apos;s UID, %2 the picture asked for; &quot;show&quot; is a command name</extracomment>
        <translation>в папке пациента %1 нет снимка %2 (см. show %1)</translation>
    </message>
    <message>
        <source>cannot be tagged</source>
        <translation>не удаётся отметить снимок</translation>
    </message>
    <message>
        <source>the audit trail was not written: %1</source>
        <translation>журнал аудита не записан: %1</translation>
    </message>
    <message>
        <source>no teeth, no view</source>
        <translation>без зубов и проекции</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <extracomment>%1 a command-line option such as --name</extracomment>
        <translation>для %1 нужно значение</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <extracomment>%1 what was given on the command line</extracomment>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>лишний аргумент %1</translation>
    </message>
</context>
</TS>
