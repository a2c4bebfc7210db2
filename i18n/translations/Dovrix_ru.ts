<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Файл не существует или недоступен.</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>Возможно, файл повреждён или не является корректным PDF.</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>Документ зашифрован.</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>Этот способ шифрования PDF пока не поддерживается.</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>При открытии документа возникла ошибка.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>Не удалось отрисовать страницу %1, экспорт прерван.</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>Не удалось создать выходной файл: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ Привязана к тексту, найдётся и после перекомпоновки</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ Привязана к области: после перекомпоновки может сместиться</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Выделение</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Подчёркивание</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Зачёркивание</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Прямоугольник</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Стрелка</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Удалить аннотацию</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>Текст заметки (необязательно, подходит для любого типа)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>Удалить эту аннотацию?</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>Режим аннотаций включён: выделите текст или обведите рамку, чтобы создать аннотацию; щёлкните существующую, чтобы изменить</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>Аннотации сохранены</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>Аннотации хранятся в локальном файле-спутнике (.dovrixmark)
и не видны при открытии исходного файла в Adobe и других программах.

Dovrix никогда не изменяет исходный PDF.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>Аннотации хранятся только в локальном файле .dovrixmark и не видны при открытии исходного файла в Adobe и других программах.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Страница %1</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · страница %2 · цвет %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>Аннотаций пока нет. Включите режим аннотаций и выделите текст, чтобы создать аннотацию.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>Мои аннотации</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>В документе (%1, только чтение)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>Копировать в мои заметки</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>Аннотации этого вида нельзя скопировать в мои заметки.</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>Эту аннотацию не удалось прочитать целиком. Она сохранена в файле аннотаций как есть и не может быть изменена.</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>нечитаемая аннотация</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>Файл слишком большой</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>Файл аннотаций есть, но прочитать его не удалось: %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>Папка недоступна для записи. Аннотации хранятся только в памяти — экспортируйте их перед закрытием.</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>Путь экспорта совпадает с исходным файлом. Экспорт прерван: исходный файл никогда не перезаписывается.</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>Путь экспорта совпадает с файлом аннотаций, экспорт прерван.</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Сводка аннотаций Dovrix (всего: %1)

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— Страница %1 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>привязана к тексту </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(позиция p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>Примечание: аннотации хранятся только в локальном файле-спутнике (sidecar) и не видны при открытии исходного файла в Adobe и других программах.
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>Файл аннотаций — это сам исходный файл, запись в него не выполняется. Аннотации хранятся только в памяти — экспортируйте их перед закрытием.</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>На месте файла аннотаций находится папка. Аннотации хранятся только в памяти — экспортируйте их перед закрытием.</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>Не удаётся сохранить копию нечитаемого файла аннотаций, поэтому сохранение остановлено, чтобы не перезаписать его. Аннотации хранятся только в памяти — экспортируйте их перед закрытием.</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>Не удалось сохранить аннотации: %1. Аннотации хранятся только в памяти — экспортируйте их перед закрытием.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>Имя файла содержит нераспознаваемые символы, поэтому рядом с ним нельзя сохранить файл аннотаций. Аннотации хранятся только в памяти — экспортируйте их перед закрытием.</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>Этот файл аннотаций записан более новой версией Dovrix. Он открыт только для чтения: изменения не сохраняются.</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>Переименовать</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>Закладок пока нет. Нажмите Ctrl+D, чтобы добавить закладку на текущее место.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Страница %1</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>В документе нет встроенного оглавления (глав/закладок).
Позиция чтения всё равно запоминается автоматически.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>Текстовое поле</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>Волнистая линия</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Линия</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Эллипс</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Рисунок от руки</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Многоугольник</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Ломаная</translation>
    </message>
    <message>
        <source>图章</source>
        <translation>Штамп</translation>
    </message>
    <message>
        <source>插入符</source>
        <translation>Знак вставки</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Страница %1</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>Вложенный файл</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>Файл открывался слишком долго.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 байт)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>Разные (%1 размера)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>Сохранить копию…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>Свойства документа — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>Копировать всё</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>Все страницы</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Страница %1</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Шрифты</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>Встроен</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Где</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>Вложения только сохраняются как копии; Dovrix никогда их не открывает и не запускает.</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>Вложения</translation>
    </message>
    <message>
        <source>标题</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Автор</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>关键词</source>
        <translation>Ключевые слова</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Создано в</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>Производитель PDF</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Создан</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Изменён</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>Версия PDF</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Страниц</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Размер страницы</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Размер файла</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Шифрование</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>печать</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>копирование текста</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>изменение</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>аннотирование</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>заполнение форм</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>Заявленные права</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>Разрешено: %1
Запрещено: %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>Размечен</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>Скрипты</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>Документ содержит JavaScript; Dovrix его не выполняет.</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>Вложения (%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>Сохранить копию вложения</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>Вложение повреждено и не читается.</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>Копия сохранена:
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>Не удалось сохранить вложение: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>Новый документ</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Экспорт завершён</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>Экспортировано в:
%1

Исходный файл не изменён.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>Экспорт текущей страницы в PNG</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>Изображения PNG (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Ошибка экспорта</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>Не удалось отрисовать страницу. Попробуйте ещё раз.</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>Экспорт всего текста (в порядке чтения)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>Сводка аннотаций</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>В текущем документе нет аннотаций.</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>Экспорт сводки аннотаций</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>Экспорт PDF с аннотациями</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>Документы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>Экспорт PDF с аннотациями…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>Экспортировано в:
%1

Исходный файл не изменён. Аннотации встроены в копию и видны в Adobe/WPS/браузере.
(Копия — плоский PDF из отрисованных страниц: выглядит так же, но текст больше нельзя выделить)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>Печать…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>Отправлено на принтер страниц: %1.</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>Не удалось отрисовать страницу, печать прервана.</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>Не удалось запустить задание печати.</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>Экспорт текста в порядке чтения…
Страница %1 из %2</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>Экспорт плоской копии (изображения)</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>Печать в файл PDF</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>Примечания и масштаб</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>С примечаниями</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>По размеру бумаги</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Реальный размер</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>Экспортировано в:
%1

Исходный файл не изменён. Примечания записаны в копию как стандартные примечания PDF и видны в других программах; текст, ссылки и оглавление сохранены.</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>Служба печати не приняла задание: %1
Ничего не потеряно; повторите попытку или напечатайте в файл.</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>Не удаётся прочитать исходный файл: %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>Не удаётся записать %1:
%2

Неполный файл не оставлен; исходный файл не изменён.</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>Служба печати (CUPS) не найдена.
Напечатать документ в файл PDF?</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>Поле подписи (только показ)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>Скрипты этой формы не выполняются: поля, которые документ вычислил бы или отформатировал, сохраняют введённое вами.</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>Поля подписи только показываются; Dovrix не подписывает документы.</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>Боковая панель</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>Назад (история просмотра)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>Вперёд (история просмотра)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>Открыть PDF (каждый документ — в своей вкладке)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>Печать (Ctrl+P)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>Экспорт в новый файл (исходный файл не меняется)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>Текущая страница как изображение (PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>Весь текст (TXT, в порядке чтения)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>Сводка аннотаций (TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>PDF с аннотациями (копия)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>Встраивает текущие аннотации в новый PDF, видимый в Adobe/WPS; исходный файл не меняется</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Аннотации</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>Режим аннотаций (A): выделение / подчёркивание / зачёркивание / заметка / прямоугольник / стрелка</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>Повернуть на 90°</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>Временно повернуть на 90° (только в этом сеансе просмотра)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>Поиск в документе · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>Светлая</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>Бумага</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>Тёмная</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>Полночь</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>Высокий контраст</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>Сменить язык интерфейса</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>Открыть сайт Dovrix</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>Откройте PDF, чтобы начать чтение. Dovrix только просматривает файлы и не изменяет их.
Можно открыть несколько документов сразу (во вкладках).</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>Открыть PDF…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>Недавние файлы</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>Очистить недавние</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>Исходный файл изменён другой программой. Перезагрузите его, чтобы увидеть актуальное содержимое.</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Перезагрузить</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Игнорировать</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix — молниеносная читалка</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Уменьшить</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Увеличить</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>По ширине</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>Переключить: одна страница / непрерывная прокрутка</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>&amp;Открыть…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>Закрыть документ</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>Следующая вкладка</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>&amp;Печать…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>Приватный режим</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>Следующий результат поиска</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>Предыдущий результат поиска</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>Копировать выделенный текст</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>Постраничный режим</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>Временно повернуть на 90°</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>По размеру страницы</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>Реальный размер (100%)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>Режим аннотаций</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>Открыть PDF</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>Документы PDF (*.pdf);;Все файлы (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Не удалось открыть</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Файл не существует или недоступен.</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● Аннотации не соответствуют содержимому документа, привязанные к областям могут сместиться</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Миниатюры</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Оглавление</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Документ</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>Открытие документа…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>Неверный пароль, попробуйте ещё раз</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>Документ зашифрован</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>Введите пароль для открытия (Dovrix не взламывает пароли и не снимает ограничения):</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● Исходный файл изменён извне</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● Только чтение: хеш исходного файла не изменился</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256: %1
Dovrix не изменяет исходный файл.</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● Приватный режим: вкл.</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>Приватный режим: выкл.</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>Приватный режим: недавние файлы и кэш миниатюр не записываются</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— Страница %1 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>(Страница — отсканированное изображение без текстового слоя)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(Часть текста на этой странице может быть неточной)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>Выделение (H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>Подчёркивание (U)</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>Зачёркивание (S)</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>Заметка (N)</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>Прямоугольник (B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>Стрелка (L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>Перейти к странице…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>Введите номер или метку страницы и нажмите Enter (Ctrl+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>Выполняется офлайн-OCR…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>Выполняется офлайн-OCR: готово %1/%2 стр., осталось около %3 с…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(Далее текст, распознанный OCR)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>Полноэкранный режим · F11 или Esc для выхода</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>Сменить цвета страниц</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Полный экран</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>Разворот из двух страниц</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>Первая страница отдельно</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>Разворот</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>Две страницы рядом (D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>Цвета страниц</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>Цвета страниц (Ctrl+Alt+N): ночной режим меняет светлое и тёмное, сохраняя оттенки</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Обычные</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>Ночь</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>Сепия</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Как в теме</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>Имя файла содержит нераспознаваемые символы, поэтому программа не может прочитать файл. Переименуйте файл и откройте его снова.</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>Плоская копия (изображения)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>PNG с моими примечаниями</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>Свойства документа…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>Сбросить форму</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Закладки</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>Ни один браузер не смог открыть страницу. Сайт Dovrix: %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>Распознать текст (OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>Эта страница</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>Все страницы без текста</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>После открытия документа здесь появятся
%1</translation>
    </message>
</context>
<context>
    <name>dovrix::NavigationCommands</name>
    <message>
        <source>缩放 %1%</source>
        <translation>Масштаб %1%</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrCommands</name>
    <message>
        <source>OCR 已取消</source>
        <translation>OCR отменено</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR завершено, страниц: %1</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>Ошибка OCR страницы %1: %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR недоступно</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>Поиск страниц без текста…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>На каждой странице есть текст; распознавать нечего</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>На этой странице нет текстового слоя · %1 распознаёт её текст</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>OCR страницы %1 завершено, распознано строк: %2</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>Не удалось отрисовать страницу</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>Не удалось инициализировать движок OCR</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>Движок OCR недоступен</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>Ошибка инициализации OCR: %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>Модель обнаружения не найдена: %1 (%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>Модель распознавания не найдена: %1 (%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>В модели распознавания нет встроенного словаря (метаданные character).</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>В onnxruntime.dll нет экспорта OrtGetApiBase.</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>Несовместимая версия API onnxruntime (требуется OrtApi v%1).</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>Не удалось загрузить onnxruntime.dll, OCR недоступно. Проверено: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>Временно повёрнуто на %1° (только в этом сеансе просмотра)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>Синтезатор речи не установлен (например, модуль flite для Qt Speech).</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>Синтезатор речи недоступен: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>Ничего не найдено. Если документ — отсканированное изображение (без текстового слоя), искать и копировать можно после OCR.</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>Распознать документ (OCR)…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>Введите слово для поиска (Ctrl+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>«%1»: совпадений нет</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>Поиск «%1»…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>«%1»: совпадений нет.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Страница %1</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(текст OCR)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(текст ещё не загружен)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>Страница %1%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>«%1»: %n совпадение</numerusform>
            <numerusform>«%1»: %n совпадения</numerusform>
            <numerusform>«%1»: %n совпадений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>Поиск «%1»… просмотрено страниц: %2 из %3, пока %n совпадение</numerusform>
            <numerusform>Поиск «%1»… просмотрено страниц: %2 из %3, пока %n совпадения</numerusform>
            <numerusform>Поиск «%1»… просмотрено страниц: %2 из %3, пока %n совпадений</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>Запущенное окно Dovrix принимает не более %1 файлов за раз; ни один файл не открыт.</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — просмотрщик PDF только для чтения: офлайн, без телеметрии, никогда не изменяет исходный файл.</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>PDF-файл, который нужно открыть.</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>Распознать текст этой страницы сразу после открытия документа (для отладки и автоматических запусков).</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>Открыть на этой странице: номер страницы начиная с 1 или собственная метка страницы документа (например, iv).</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>После открытия найти этот текст и перейти к первому совпадению.</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>Прямой поиск SyncTeX: прокрутить к месту, где набрана эта строка исходного файла TeX, и ненадолго выделить его.</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>Движок, открывающий PDF-файлы: mupdf (по умолчанию) или qtpdf (для сравнения и отчётов об ошибках).</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>Медленно</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Обычно</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Быстро</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>Чтение вслух завершено</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Инструменты</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>Закладки, чтение вслух и SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Закладки</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>Добавить закладку</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>Переименовать закладку</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>Удалить закладку</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>Чтение вслух</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>Читать вслух с этой страницы</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>Остановить чтение</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Голос</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>Команда редактора для обратного поиска…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>Команда редактора для обратного поиска не задана (Инструменты → Команда редактора для обратного поиска…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>В данных SyncTeX нет места для строки %2 файла %1</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>Рядом с документом нет файла SyncTeX (.synctex.gz или .synctex)</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>Файл SyncTeX повреждён и не может быть прочитан</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>Файл SyncTeX относится к другой сборке этого PDF; скомпилируйте заново</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>Этому месту не соответствует позиция в исходном тексте</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>Не удаётся запустить редактор: %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>%1 открыт в редакторе на строке %2</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>Команда редактора для обратного поиска</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>Команда для Ctrl+щелчка по странице (%f файл, %l строка, %c столбец), например: editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Страница %1</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>Закладка «%1» добавлена</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>Название закладки:</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>Продолжить чтение</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>Приостановить чтение</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>Файл SyncTeX после распаковки больше %1 МБ; он отклонён без чтения</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>Файл SyncTeX вызвал сбой программы чтения или исчерпал её память; он отклонён</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>Чтение файла SyncTeX заняло слишком много времени; он отклонён</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>Имя исходного файла в файле SyncTeX содержит перевод строки или символ NUL; оно не передано редактору</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>Есть символы, которые не удалось сопоставить (возможно, нет таблицы ToUnicode)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>Пробелы между словами восстановлены по геометрии, текст может быть раздроблен</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>Область колонтитулов</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>Скопировано символов: %1</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>Исходный размер</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>По ширине</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>Непрерывно</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Одна страница</translation>
    </message>
</context>
</TS>
