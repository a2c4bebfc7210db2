<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Файл не існує або недоступний.</translation>
    </message>
    <message>
        <source>文件可能已损坏或不是有效的 PDF。</source>
        <translation>Файл може бути пошкоджений або не є коректним PDF.</translation>
    </message>
    <message>
        <source>文档已加密。</source>
        <translation>Документ зашифровано.</translation>
    </message>
    <message>
        <source>暂不支持该 PDF 加密方式。</source>
        <translation>Цей спосіб шифрування PDF поки не підтримується.</translation>
    </message>
    <message>
        <source>打开文档时出现问题。</source>
        <translation>Під час відкриття документа виникла проблема.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotatedPdfExporter</name>
    <message>
        <source>第 %1 页渲染失败，导出已中止。</source>
        <translation>Не вдалося відтворити сторінку %1, експорт перервано.</translation>
    </message>
    <message>
        <source>无法创建输出文件：%1</source>
        <translation>Не вдалося створити файл результату: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCard</name>
    <message>
        <source>⚓ 文本锚定，重排后可重定位</source>
        <translation>⚓ Прив’язано до тексту, відновлюється після зміни верстки</translation>
    </message>
    <message>
        <source>▦ 矩形兜底：重排后位置可能漂移</source>
        <translation>▦ Прямокутна прив’язка: після зміни верстки положення може зміститися</translation>
    </message>
    <message>
        <source>高亮</source>
        <translation>Виділення</translation>
    </message>
    <message>
        <source>下划线</source>
        <translation>Підкреслення</translation>
    </message>
    <message>
        <source>删除线</source>
        <translation>Закреслення</translation>
    </message>
    <message>
        <source>便签</source>
        <translation>Нотатка</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Прямокутник</translation>
    </message>
    <message>
        <source>箭头</source>
        <translation>Стрілка</translation>
    </message>
    <message>
        <source>完成</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>删除批注</source>
        <translation>Видалити анотацію</translation>
    </message>
    <message>
        <source>便签内容（可选，其他类型也可备注）</source>
        <translation>Текст нотатки (необов’язково, можна й для інших типів)</translation>
    </message>
    <message>
        <source>确认删除这条批注？</source>
        <translation>Видалити цю анотацію?</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationCommands</name>
    <message>
        <source>批注模式已开启：拖选文本或拖框创建批注，单击已有批注可编辑</source>
        <translation>Режим анотацій увімкнено: виділіть текст або обведіть рамку, щоб створити анотацію; клацніть наявну, щоб редагувати</translation>
    </message>
    <message>
        <source>批注已保存</source>
        <translation>Анотації збережено</translation>
    </message>
    <message>
        <source>批注保存在本地 sidecar 文件（.dovrixmark）中，
用 Adobe 等其他阅读器打开源文件不可见。

Dovrix 始终不修改源 PDF。</source>
        <translation>Анотації зберігаються в локальному файлі sidecar (.dovrixmark),
їх не видно, якщо відкрити оригінальний файл в інших програмах, як-от Adobe.

Dovrix ніколи не змінює оригінальний PDF.</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationPanel</name>
    <message>
        <source>批注仅保存在本地 .dovrixmark 文件，用 Adobe 等其他阅读器打开源文件不可见。</source>
        <translation>Анотації зберігаються лише в локальному файлі .dovrixmark; їх не видно, якщо відкрити оригінальний файл в інших програмах, як-от Adobe.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Сторінка %1</translation>
    </message>
    <message>
        <source>%1 · 第 %2 页 · 颜色 %3%4</source>
        <translation>%1 · сторінка %2 · колір %3%4</translation>
    </message>
    <message>
        <source>暂无批注。开启批注模式后拖选文本即可创建。</source>
        <translation>Анотацій немає. Увімкніть режим анотацій і виділіть текст, щоб створити анотацію.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>我的批注</source>
        <translation>Мої анотації</translation>
    </message>
    <message>
        <source>文档中的批注（%1，只读）</source>
        <translation>У документі (%1, лише читання)</translation>
    </message>
    <message>
        <source>复制到我的批注</source>
        <translation>Копіювати до моїх нотаток</translation>
    </message>
    <message>
        <source>此类批注无法复制为我的批注。</source>
        <translation>Анотації цього виду не можна скопіювати до моїх нотаток.</translation>
    </message>
    <message>
        <source>此批注无法完整读取，已原样保留在批注文件中，不能编辑。</source>
        <translation>Цю анотацію не вдалося прочитати повністю. Її збережено у файлі анотацій без змін, і її не можна редагувати.</translation>
    </message>
    <message>
        <source>无法读取的批注</source>
        <translation>нечитабельна анотація</translation>
    </message>
</context>
<context>
    <name>dovrix::AnnotationStore</name>
    <message>
        <source>文件过大</source>
        <translation>Файл завеликий</translation>
    </message>
    <message>
        <source>批注文件存在但无法读取：%1</source>
        <translation>Файл анотацій існує, але його не вдалося прочитати: %1</translation>
    </message>
    <message>
        <source>当前目录不可写。批注将暂存内存，关闭前请导出。</source>
        <translation>Поточна тека недоступна для запису. Анотації тимчасово зберігаються в пам’яті; експортуйте їх перед закриттям.</translation>
    </message>
    <message>
        <source>导出路径与源文件相同。为守住「绝不写源文件」的边界，已中止。</source>
        <translation>Шлях експорту збігається з оригінальним файлом. Скасовано, щоб дотриматися правила «ніколи не записувати в оригінальний файл».</translation>
    </message>
    <message>
        <source>导出路径与批注文件相同，已中止。</source>
        <translation>Шлях експорту збігається з файлом анотацій, скасовано.</translation>
    </message>
    <message>
        <source>Dovrix 批注汇总（共 %1 条）

</source>
        <translation>Зведення анотацій Dovrix (усього: %1)

</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——
</source>
        <translation>—— Сторінка %1 ——
</translation>
    </message>
    <message>
        <source>文本锚定 </source>
        <translation>Прив’язка до тексту </translation>
    </message>
    <message>
        <source>(位置 p%1 x%2 y%3)</source>
        <translation>(позиція p%1 x%2 y%3)</translation>
    </message>
    <message>
        <source>注：批注仅保存在本地 sidecar 文件，用 Adobe 等其他阅读器打开源文件不可见。
</source>
        <translation>Примітка: анотації зберігаються лише в локальному файлі sidecar; їх не видно, якщо відкрити оригінальний файл в інших програмах, як-от Adobe.
</translation>
    </message>
    <message>
        <source>批注文件与源文件是同一个文件，不会写入。批注将暂存内存，关闭前请导出。</source>
        <translation>Файл анотацій — це сам вихідний файл, тому запис у нього не виконується. Анотації тимчасово зберігаються в пам’яті; експортуйте їх перед закриттям.</translation>
    </message>
    <message>
        <source>批注文件的位置被一个文件夹占用。批注将暂存内存，关闭前请导出。</source>
        <translation>На місці файла анотацій знаходиться тека. Анотації тимчасово зберігаються в пам’яті; експортуйте їх перед закриттям.</translation>
    </message>
    <message>
        <source>无法备份读不懂的批注文件，为免覆盖已停止保存。批注将暂存内存，关闭前请导出。</source>
        <translation>Не вдається зробити копію нечитабельного файла анотацій, тому збереження зупинено, щоб не перезаписати його. Анотації тимчасово зберігаються в пам’яті; експортуйте їх перед закриттям.</translation>
    </message>
    <message>
        <source>批注保存失败：%1。批注将暂存内存，关闭前请导出。</source>
        <translation>Не вдалося зберегти анотації: %1. Анотації тимчасово зберігаються в пам’яті; експортуйте їх перед закриттям.</translation>
    </message>
    <message>
        <source>「%1」</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，无法在旁边保存批注文件。批注将暂存内存，关闭前请导出。</source>
        <translation>Назва файлу містить нерозпізнавані символи, тому поруч із ним не можна зберегти файл анотацій. Анотації тимчасово зберігаються в пам’яті; експортуйте їх перед закриттям.</translation>
    </message>
    <message>
        <source>此批注文件由更新版本的 Dovrix 写入，已以只读方式打开：改动不会保存。</source>
        <translation>Цей файл анотацій записано новішою версією Dovrix. Його відкрито лише для читання: зміни не зберігаються.</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkListPanel</name>
    <message>
        <source>重命名</source>
        <translation>Перейменувати</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>还没有书签。按 Ctrl+D 为当前位置添加书签。</source>
        <translation>Закладок ще немає. Натисніть Ctrl+D, щоб додати закладку на поточне місце.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Сторінка %1</translation>
    </message>
</context>
<context>
    <name>dovrix::BookmarkPanel</name>
    <message>
        <source>此文档没有内嵌目录（章节/书签）。
阅读进度仍会按内容自动记忆。</source>
        <translation>Цей документ не має вбудованого змісту (розділів/закладок).
Прогрес читання все одно запам’ятовується автоматично за вмістом.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentAnnotationModel</name>
    <message>
        <source>文字框</source>
        <translation>Текстове поле</translation>
    </message>
    <message>
        <source>波浪线</source>
        <translation>Хвиляста лінія</translation>
    </message>
    <message>
        <source>直线</source>
        <translation>Лінія</translation>
    </message>
    <message>
        <source>椭圆</source>
        <translation>Еліпс</translation>
    </message>
    <message>
        <source>手绘</source>
        <translation>Малюнок від руки</translation>
    </message>
    <message>
        <source>多边形</source>
        <translation>Багатокутник</translation>
    </message>
    <message>
        <source>折线</source>
        <translation>Ламана</translation>
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
        <translation>Сторінка %1</translation>
    </message>
    <message>
        <source>文件附件</source>
        <translation>Вкладений файл</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentController</name>
    <message>
        <source>文件打开耗时过长。</source>
        <translation>Файл відкривався занадто довго.</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentPropertiesDialog</name>
    <message>
        <source>未知</source>
        <translation>Невідомо</translation>
    </message>
    <message>
        <source>%1（%2 字节）</source>
        <translation>%1 (%2 байтів)</translation>
    </message>
    <message>
        <source>大小不一（%1 种）</source>
        <translation>Різні (%1 розміри)</translation>
    </message>
    <message>
        <source>保存副本…</source>
        <translation>Зберегти копію…</translation>
    </message>
    <message>
        <source>文档属性 — %1</source>
        <translation>Властивості документа — %1</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>Копіювати все</translation>
    </message>
    <message>
        <source>概要</source>
        <translation>Загальне</translation>
    </message>
    <message>
        <source>所有页面</source>
        <translation>Усі сторінки</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Сторінка %1</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Шрифти</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>嵌入</source>
        <translation>Вбудований</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Назва</translation>
    </message>
    <message>
        <source>大小</source>
        <translation>Розмір</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Де</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Опис</translation>
    </message>
    <message>
        <source>附件只会另存为副本，Dovrix 不会打开或运行它们。</source>
        <translation>Вкладення лише зберігаються як копії; Dovrix ніколи їх не відкриває і не запускає.</translation>
    </message>
    <message>
        <source>附件</source>
        <translation>Вкладення</translation>
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
        <translation>Ключові слова</translation>
    </message>
    <message>
        <source>创建程序</source>
        <translation>Створено в</translation>
    </message>
    <message>
        <source>PDF 生成器</source>
        <translation>Виробник PDF</translation>
    </message>
    <message>
        <source>创建时间</source>
        <translation>Створено</translation>
    </message>
    <message>
        <source>修改时间</source>
        <translation>Змінено</translation>
    </message>
    <message>
        <source>PDF 版本</source>
        <translation>Версія PDF</translation>
    </message>
    <message>
        <source>页数</source>
        <translation>Сторінок</translation>
    </message>
    <message>
        <source>页面大小</source>
        <translation>Розмір сторінки</translation>
    </message>
    <message>
        <source>文件大小</source>
        <translation>Розмір файлу</translation>
    </message>
    <message>
        <source>加密</source>
        <translation>Шифрування</translation>
    </message>
    <message>
        <source>无</source>
        <translation>Немає</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>друк</translation>
    </message>
    <message>
        <source>复制文本</source>
        <translation>копіювання тексту</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>змінення</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>анотування</translation>
    </message>
    <message>
        <source>填写表单</source>
        <translation>заповнення форм</translation>
    </message>
    <message>
        <source>声明的权限</source>
        <translation>Заявлені дозволи</translation>
    </message>
    <message>
        <source>允许：%1
不允许：%2</source>
        <translation>Дозволено: %1
Заборонено: %2</translation>
    </message>
    <message>
        <source>带标签</source>
        <translation>Розмічений</translation>
    </message>
    <message>
        <source>是</source>
        <translation>Так</translation>
    </message>
    <message>
        <source>否</source>
        <translation>Ні</translation>
    </message>
    <message>
        <source>脚本</source>
        <translation>Скрипти</translation>
    </message>
    <message>
        <source>文档含有 JavaScript，Dovrix 不会运行它。</source>
        <translation>Документ містить JavaScript; Dovrix його не виконує.</translation>
    </message>
    <message>
        <source>附件（%1）</source>
        <translation>Вкладення (%1)</translation>
    </message>
    <message>
        <source>保存附件副本</source>
        <translation>Зберегти копію вкладення</translation>
    </message>
    <message>
        <source>附件已损坏，无法读取。</source>
        <translation>Вкладення пошкоджене й не читається.</translation>
    </message>
    <message>
        <source>已保存副本：
%1</source>
        <translation>Копію збережено:
%1</translation>
    </message>
    <message>
        <source>附件未能保存：%1</source>
        <translation>Не вдалося зберегти вкладення: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::DocumentSession</name>
    <message>
        <source>新文档</source>
        <translation>Новий документ</translation>
    </message>
</context>
<context>
    <name>dovrix::ExportCommands</name>
    <message>
        <source>打印</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Експорт завершено</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。</source>
        <translation>Експортовано до:
%1

Оригінальний файл не змінено.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>导出当前页为 PNG</source>
        <translation>Експортувати поточну сторінку в PNG</translation>
    </message>
    <message>
        <source>PNG 图片 (*.png)</source>
        <translation>Зображення PNG (*.png)</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Помилка експорту</translation>
    </message>
    <message>
        <source>页面渲染失败，请重试。</source>
        <translation>Не вдалося відтворити сторінку, спробуйте ще раз.</translation>
    </message>
    <message>
        <source>导出全文文本（阅读顺序）</source>
        <translation>Експорт усього тексту (порядок читання)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Текстові файли (*.txt)</translation>
    </message>
    <message>
        <source>批注汇总</source>
        <translation>Зведення анотацій</translation>
    </message>
    <message>
        <source>当前文档暂无批注。</source>
        <translation>Поточний документ ще не має анотацій.</translation>
    </message>
    <message>
        <source>导出批注汇总</source>
        <translation>Експорт зведення анотацій</translation>
    </message>
    <message>
        <source>导出含批注的 PDF</source>
        <translation>Експорт PDF з анотаціями</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf)</source>
        <translation>Документи PDF (*.pdf)</translation>
    </message>
    <message>
        <source>正在导出含批注的 PDF…</source>
        <translation>Експорт PDF з анотаціями…</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已嵌入副本，用 Adobe/WPS/浏览器打开即可看到。
（副本为逐页渲染的平面化 PDF：外观一致，但文字不可再选中）</source>
        <translation>Експортовано до:
%1

Оригінальний файл не змінено. Анотації вбудовано в копію, їх видно в Adobe/WPS/браузері.
(Копія — сплощений PDF, відтворений посторінково: вигляд той самий, але текст більше не можна виділити)</translation>
    </message>
    <message>
        <source>正在打印…</source>
        <translation>Друк…</translation>
    </message>
    <message>
        <source>已发送 %1 页到打印机。</source>
        <translation>Надіслано на принтер сторінок: %1.</translation>
    </message>
    <message>
        <source>页面渲染失败，打印已中止。</source>
        <translation>Не вдалося відтворити сторінку, друк перервано.</translation>
    </message>
    <message>
        <source>无法启动打印任务。</source>
        <translation>Не вдалося запустити завдання друку.</translation>
    </message>
    <message>
        <source>正在按阅读顺序导出文本…
第 %1 / %2 页</source>
        <translation>Експорт тексту в порядку читання…
Сторінка %1 з %2</translation>
    </message>
    <message>
        <source>导出平面化副本（图片）</source>
        <translation>Експорт пласкої копії (зображення)</translation>
    </message>
    <message>
        <source>打印到 PDF 文件</source>
        <translation>Друк у файл PDF</translation>
    </message>
    <message>
        <source>批注与缩放</source>
        <translation>Примітки та масштаб</translation>
    </message>
    <message>
        <source>连同我的批注</source>
        <translation>З примітками</translation>
    </message>
    <message>
        <source>适合纸张</source>
        <translation>За розміром паперу</translation>
    </message>
    <message>
        <source>实际大小</source>
        <translation>Справжній розмір</translation>
    </message>
    <message>
        <source>已导出到：
%1

源文件未被修改。批注已作为标准 PDF 批注写入副本，其他阅读器也能看到；文字、链接和目录都保留。</source>
        <translation>Експортовано до:
%1

Вихідний файл не змінено. Примітки записано в копію як стандартні примітки PDF, їх видно й в інших програмах; текст, посилання та зміст збережено.</translation>
    </message>
    <message>
        <source>打印服务没有接受这个任务：%1
没有丢失任何内容；可以再试一次，或打印到文件。</source>
        <translation>Служба друку не прийняла завдання: %1
Нічого не втрачено; спробуйте ще раз або надрукуйте у файл.</translation>
    </message>
    <message>
        <source>无法读取源文件：%1</source>
        <translation>Не вдається прочитати вихідний файл: %1</translation>
    </message>
    <message>
        <source>无法写入 %1：
%2

没有留下不完整的文件，源文件未被修改。</source>
        <translation>Не вдається записати %1:
%2

Неповного файлу не залишено; вихідний файл не змінено.</translation>
    </message>
    <message>
        <source>没有找到打印服务（CUPS）。
要把文档打印成 PDF 文件吗？</source>
        <translation>Службу друку (CUPS) не знайдено.
Надрукувати документ у файл PDF?</translation>
    </message>
</context>
<context>
    <name>dovrix::FormLayer</name>
    <message>
        <source>签名字段（仅显示）</source>
        <translation>Поле підпису (лише показ)</translation>
    </message>
    <message>
        <source>此表单的脚本不会运行：需由文档计算或格式化的字段保留您输入的内容。</source>
        <translation>Скрипти цієї форми не виконуються: поля, які документ обчислив би чи відформатував, зберігають введене вами.</translation>
    </message>
    <message>
        <source>签名字段仅供查看，Dovrix 不签名文档。</source>
        <translation>Поля підпису лише показуються; Dovrix не підписує документи.</translation>
    </message>
</context>
<context>
    <name>dovrix::MainWindow</name>
    <message>
        <source>侧边栏</source>
        <translation>Бічна панель</translation>
    </message>
    <message>
        <source>后退（视图历史）</source>
        <translation>Назад (історія перегляду)</translation>
    </message>
    <message>
        <source>前进（视图历史）</source>
        <translation>Вперед (історія перегляду)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>打开 PDF（每个文档一个标签页）</source>
        <translation>Відкрити PDF (кожен документ в окремій вкладці)</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>打印（Ctrl+P）</source>
        <translation>Друк (Ctrl+P)</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Експорт</translation>
    </message>
    <message>
        <source>导出为新文件（不修改源文件）</source>
        <translation>Експорт у новий файл (оригінальний файл не змінюється)</translation>
    </message>
    <message>
        <source>当前页为图片（PNG 300 DPI）…</source>
        <translation>Поточна сторінка як зображення (PNG 300 DPI)…</translation>
    </message>
    <message>
        <source>全文文本（TXT，按阅读顺序）…</source>
        <translation>Увесь текст (TXT, у порядку читання)…</translation>
    </message>
    <message>
        <source>批注汇总（TXT）…</source>
        <translation>Зведення анотацій (TXT)…</translation>
    </message>
    <message>
        <source>含批注的 PDF（副本）…</source>
        <translation>PDF з анотаціями (копія)…</translation>
    </message>
    <message>
        <source>把当前批注嵌入一个新 PDF，Adobe/WPS 可见；源文件保持不变</source>
        <translation>Вбудовує поточні анотації в новий PDF, видимий в Adobe/WPS; оригінальний файл не змінюється</translation>
    </message>
    <message>
        <source>批注</source>
        <translation>Анотації</translation>
    </message>
    <message>
        <source>批注模式（A）：高亮 / 下划线 / 删除线 / 便签 / 矩形 / 箭头</source>
        <translation>Режим анотацій (A): виділення / підкреслення / закреслення / нотатка / прямокутник / стрілка</translation>
    </message>
    <message>
        <source>旋转90°</source>
        <translation>Повернути на 90°</translation>
    </message>
    <message>
        <source>临时旋转 90°（仅本次查看）</source>
        <translation>Тимчасовий поворот на 90° (лише для цього перегляду)</translation>
    </message>
    <message>
        <source>搜索文档 · Ctrl+F</source>
        <translation>Пошук у документі · Ctrl+F</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>Світла</translation>
    </message>
    <message>
        <source>纸感</source>
        <translation>Паперова</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>Темна</translation>
    </message>
    <message>
        <source>午夜</source>
        <translation>Опівнічна</translation>
    </message>
    <message>
        <source>高对比</source>
        <translation>Висококонтрастна</translation>
    </message>
    <message>
        <source>切换界面语言</source>
        <translation>Змінити мову інтерфейсу</translation>
    </message>
    <message>
        <source>主页</source>
        <translation>Домашня сторінка</translation>
    </message>
    <message>
        <source>打开 Dovrix 主页</source>
        <translation>Відкрити домашню сторінку Dovrix</translation>
    </message>
    <message>
        <source>打开 PDF 开始阅读。Dovrix 是只读查看器，不会修改源文件。
支持同时打开多个文档（标签页）。</source>
        <translation>Відкрийте PDF, щоб почати читання. Dovrix — переглядач лише для читання, він не змінює оригінальний файл.
Можна відкрити кілька документів одночасно (у вкладках).</translation>
    </message>
    <message>
        <source>打开 PDF…</source>
        <translation>Відкрити PDF…</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>Нещодавні файли</translation>
    </message>
    <message>
        <source>清空最近记录</source>
        <translation>Очистити список нещодавніх</translation>
    </message>
    <message>
        <source>源文件已被外部修改。重新载入将显示最新内容。</source>
        <translation>Оригінальний файл змінено ззовні. Перезавантажте, щоб побачити актуальний вміст.</translation>
    </message>
    <message>
        <source>重新载入</source>
        <translation>Перезавантажити</translation>
    </message>
    <message>
        <source>忽略</source>
        <translation>Ігнорувати</translation>
    </message>
    <message>
        <source>Dovrix 一个快如闪电的阅读器</source>
        <translation>Dovrix — блискавично швидкий переглядач</translation>
    </message>
    <message>
        <source>缩小</source>
        <translation>Зменшити</translation>
    </message>
    <message>
        <source>放大</source>
        <translation>Збільшити</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>За шириною</translation>
    </message>
    <message>
        <source>切换单页 / 连续滚动</source>
        <translation>Перемкнути: одна сторінка / безперервне прокручування</translation>
    </message>
    <message>
        <source>&amp;打开…</source>
        <translation>&amp;Відкрити…</translation>
    </message>
    <message>
        <source>关闭文档</source>
        <translation>Закрити документ</translation>
    </message>
    <message>
        <source>下一个标签页</source>
        <translation>Наступна вкладка</translation>
    </message>
    <message>
        <source>&amp;打印…</source>
        <translation>&amp;Друк…</translation>
    </message>
    <message>
        <source>私密模式</source>
        <translation>Приватний режим</translation>
    </message>
    <message>
        <source>下一个搜索结果</source>
        <translation>Наступний результат пошуку</translation>
    </message>
    <message>
        <source>上一个搜索结果</source>
        <translation>Попередній результат пошуку</translation>
    </message>
    <message>
        <source>复制所选文本</source>
        <translation>Копіювати виділений текст</translation>
    </message>
    <message>
        <source>单页模式</source>
        <translation>Режим однієї сторінки</translation>
    </message>
    <message>
        <source>临时旋转 90°</source>
        <translation>Тимчасовий поворот на 90°</translation>
    </message>
    <message>
        <source>适应页面</source>
        <translation>За розміром сторінки</translation>
    </message>
    <message>
        <source>实际大小（100%）</source>
        <translation>Фактичний розмір (100%)</translation>
    </message>
    <message>
        <source>批注模式</source>
        <translation>Режим анотацій</translation>
    </message>
    <message>
        <source>打开 PDF</source>
        <translation>Відкрити PDF</translation>
    </message>
    <message>
        <source>PDF 文档 (*.pdf);;所有文件 (*)</source>
        <translation>Документи PDF (*.pdf);;Усі файли (*)</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>Не вдалося відкрити</translation>
    </message>
    <message>
        <source>文件不存在或无法访问。</source>
        <translation>Файл не існує або недоступний.</translation>
    </message>
    <message>
        <source>● 批注与当前文档内容不一致，矩形锚定可能漂移</source>
        <translation>● Анотації не відповідають поточному вмісту документа, прямокутні прив’язки можуть зміститися</translation>
    </message>
    <message>
        <source>缩略图</source>
        <translation>Мініатюри</translation>
    </message>
    <message>
        <source>目录</source>
        <translation>Зміст</translation>
    </message>
    <message>
        <source>搜索</source>
        <translation>Пошук</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Документ</translation>
    </message>
    <message>
        <source>正在打开文档…</source>
        <translation>Відкриття документа…</translation>
    </message>
    <message>
        <source>口令不正确，请重试</source>
        <translation>Неправильний пароль, спробуйте ще раз</translation>
    </message>
    <message>
        <source>该文档已加密</source>
        <translation>Цей документ зашифровано</translation>
    </message>
    <message>
        <source>请输入打开口令（Dovrix 不支持破解或移除权限）：</source>
        <translation>Введіть пароль для відкриття (Dovrix не підтримує злам чи зняття обмежень):</translation>
    </message>
    <message>
        <source>● 源文件已被外部修改</source>
        <translation>● Оригінальний файл змінено ззовні</translation>
    </message>
    <message>
        <source>● 只读：源文件哈希未变</source>
        <translation>● Лише читання: хеш оригінального файлу не змінився</translation>
    </message>
    <message>
        <source>SHA-256：%1
Dovrix 不会修改源文件。</source>
        <translation>SHA-256: %1
Dovrix не змінює оригінальний файл.</translation>
    </message>
    <message>
        <source>● 私密模式：开</source>
        <translation>● Приватний режим: увімк.</translation>
    </message>
    <message>
        <source>私密模式：关</source>
        <translation>Приватний режим: вимк.</translation>
    </message>
    <message>
        <source>私密模式：不写入最近文件与缩略图缓存</source>
        <translation>Приватний режим: без запису до нещодавніх файлів і кешу мініатюр</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>—— 第 %1 页 ——</source>
        <translation>—— Сторінка %1 ——</translation>
    </message>
    <message>
        <source>（本页为扫描图像，无文本层）</source>
        <translation>(Ця сторінка — скановане зображення без текстового шару)</translation>
    </message>
    <message>
        <source>（本页部分文本可能不可靠）</source>
        <translation>(Частина тексту на цій сторінці може бути недостовірною)</translation>
    </message>
    <message>
        <source>高亮（H）</source>
        <translation>Виділення (H)</translation>
    </message>
    <message>
        <source>下划线（U）</source>
        <translation>Підкреслення (U)</translation>
    </message>
    <message>
        <source>删除线（S）</source>
        <translation>Закреслення (S)</translation>
    </message>
    <message>
        <source>便签（N）</source>
        <translation>Нотатка (N)</translation>
    </message>
    <message>
        <source>矩形（B）</source>
        <translation>Прямокутник (B)</translation>
    </message>
    <message>
        <source>箭头（L）</source>
        <translation>Стрілка (L)</translation>
    </message>
    <message>
        <source>转到页面…</source>
        <translation>Перейти до сторінки…</translation>
    </message>
    <message>
        <source>输入页码或页标签后按回车跳转（Ctrl+G）</source>
        <translation>Введіть номер або мітку сторінки й натисніть Enter (Ctrl+G)</translation>
    </message>
    <message>
        <source>正在离线 OCR…</source>
        <translation>Триває офлайн-OCR…</translation>
    </message>
    <message>
        <source>正在离线 OCR：已完成 %1/%2 页，预计还需约 %3 秒…</source>
        <translation>Триває офлайн-OCR: готово %1/%2 стор., лишилося близько %3 с…</translation>
    </message>
    <message>
        <source>（以下为 OCR 识别文本）</source>
        <translation>(Далі текст, розпізнаний OCR)</translation>
    </message>
    <message>
        <source>全屏阅读 · F11 或 Esc 退出</source>
        <translation>Повноекранний режим · F11 або Esc для виходу</translation>
    </message>
    <message>
        <source>切换页面颜色</source>
        <translation>Змінити кольори сторінок</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>Повний екран</translation>
    </message>
    <message>
        <source>双页显示</source>
        <translation>Розворот із двох сторінок</translation>
    </message>
    <message>
        <source>首页单独显示</source>
        <translation>Перша сторінка окремо</translation>
    </message>
    <message>
        <source>双页</source>
        <translation>Розворот</translation>
    </message>
    <message>
        <source>双页并排（D）</source>
        <translation>Дві сторінки поруч (D)</translation>
    </message>
    <message>
        <source>页面颜色</source>
        <translation>Кольори сторінок</translation>
    </message>
    <message>
        <source>页面颜色（Ctrl+Alt+N）：夜间模式反转明暗、保留色相</source>
        <translation>Кольори сторінок (Ctrl+Alt+N): нічний режим міняє світле й темне, зберігаючи відтінки</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Звичайні</translation>
    </message>
    <message>
        <source>夜间</source>
        <translation>Нічні</translation>
    </message>
    <message>
        <source>棕褐</source>
        <translation>Сепія</translation>
    </message>
    <message>
        <source>跟随主题</source>
        <translation>Як у темі</translation>
    </message>
    <message>
        <source>文件名含有无法识别的字符，程序无法读取该文件。请将文件重命名后再打开。</source>
        <translation>Назва файлу містить нерозпізнавані символи, тому програма не може прочитати файл. Перейменуйте файл і відкрийте його знову.</translation>
    </message>
    <message>
        <source>平面化副本（图片）…</source>
        <translation>Пласка копія (зображення)…</translation>
    </message>
    <message>
        <source>PNG 含我的批注</source>
        <translation>PNG з моїми примітками</translation>
    </message>
    <message>
        <source>文档属性…</source>
        <translation>Властивості документа…</translation>
    </message>
    <message>
        <source>重置表单</source>
        <translation>Скинути форму</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Закладки</translation>
    </message>
    <message>
        <source>没有可以打开网页的浏览器。Dovrix 主页：%1</source>
        <translation>Жоден браузер не зміг відкрити сторінку. Сайт Dovrix: %1</translation>
    </message>
    <message>
        <source>识别文字（OCR）</source>
        <translation>Розпізнати текст (OCR)</translation>
    </message>
    <message>
        <source>本页</source>
        <translation>Ця сторінка</translation>
    </message>
    <message>
        <source>所有没有文字的页</source>
        <translation>Усі сторінки без тексту</translation>
    </message>
    <message>
        <source>打开文档后，此处显示
%1</source>
        <translation>Після відкриття документа тут з’являться
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
        <translation>OCR скасовано</translation>
    </message>
    <message>
        <source>OCR 完成：%1 页</source>
        <translation>OCR завершено: %1 стор.</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 失败：%2</source>
        <translation>Помилка OCR сторінки %1: %2</translation>
    </message>
    <message>
        <source>OCR 不可用</source>
        <translation>OCR недоступне</translation>
    </message>
    <message>
        <source>正在查找没有文字的页…</source>
        <translation>Пошук сторінок без тексту…</translation>
    </message>
    <message>
        <source>每一页都有文字，无需识别</source>
        <translation>На кожній сторінці є текст; розпізнавати нічого</translation>
    </message>
    <message>
        <source>本页没有文字层 · %1 识别文字</source>
        <translation>На цій сторінці немає текстового шару · %1 розпізнає її текст</translation>
    </message>
    <message>
        <source>第 %1 页 OCR 完成：识别 %2 行文本</source>
        <translation>OCR сторінки %1 завершено: розпізнано рядків тексту: %2</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrController</name>
    <message>
        <source>页面渲染失败</source>
        <translation>Не вдалося відтворити сторінку</translation>
    </message>
    <message>
        <source>OCR 引擎初始化失败</source>
        <translation>Не вдалося ініціалізувати рушій OCR</translation>
    </message>
    <message>
        <source>OCR 引擎不可用</source>
        <translation>Рушій OCR недоступний</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrEngine</name>
    <message>
        <source>OCR 初始化失败：%1</source>
        <translation>Не вдалося ініціалізувати OCR: %1</translation>
    </message>
    <message>
        <source>未找到检测模型：%1（%2）</source>
        <translation>Не знайдено модель виявлення: %1 (%2)</translation>
    </message>
    <message>
        <source>未找到识别模型：%1（%2）</source>
        <translation>Не знайдено модель розпізнавання: %1 (%2)</translation>
    </message>
    <message>
        <source>识别模型缺少内嵌词典（character 元数据）。</source>
        <translation>У моделі розпізнавання немає вбудованого словника (метадані character).</translation>
    </message>
</context>
<context>
    <name>dovrix::OcrRuntime</name>
    <message>
        <source>onnxruntime.dll 缺少 OrtGetApiBase 导出。</source>
        <translation>У onnxruntime.dll немає експорту OrtGetApiBase.</translation>
    </message>
    <message>
        <source>onnxruntime API 版本不匹配（需要 OrtApi v%1）。</source>
        <translation>Невідповідна версія API onnxruntime (потрібно OrtApi v%1).</translation>
    </message>
    <message>
        <source>无法加载 onnxruntime.dll，OCR 不可用。已尝试：%1</source>
        <translation>Не вдалося завантажити onnxruntime.dll, OCR недоступне. Спробовано: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::PdfViewport</name>
    <message>
        <source>临时旋转 %1°（仅本次查看）</source>
        <translation>Тимчасовий поворот на %1° (лише для цього перегляду)</translation>
    </message>
</context>
<context>
    <name>dovrix::QtSpeechEngine</name>
    <message>
        <source>没有安装语音合成引擎（例如 Qt 语音的 flite 插件）。</source>
        <translation>Синтезатор мовлення не встановлено (наприклад, модуль flite для Qt Speech).</translation>
    </message>
    <message>
        <source>语音合成引擎无法使用：%1</source>
        <translation>Синтезатор мовлення недоступний: %1</translation>
    </message>
</context>
<context>
    <name>dovrix::SearchPanel</name>
    <message>
        <source>未找到结果。若该文档是扫描图像（无文本层），可在 OCR 后搜索与复制。</source>
        <translation>Нічого не знайдено. Якщо документ — скановане зображення (без текстового шару), шукати й копіювати можна після OCR.</translation>
    </message>
    <message>
        <source>OCR 此文档…</source>
        <translation>Розпізнати документ (OCR)…</translation>
    </message>
    <message>
        <source>输入关键字开始搜索（Ctrl+F）</source>
        <translation>Введіть ключове слово для пошуку (Ctrl+F)</translation>
    </message>
    <message>
        <source>“%1”无命中</source>
        <translation>«%1»: збігів немає</translation>
    </message>
    <message>
        <source>正在搜索“%1”…</source>
        <translation>Пошук «%1»…</translation>
    </message>
    <message>
        <source>“%1”无命中。</source>
        <translation>«%1»: збігів немає.</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Сторінка %1</translation>
    </message>
    <message>
        <source>(OCR 文本)</source>
        <translation>(текст OCR)</translation>
    </message>
    <message>
        <source>(文本尚未加载)</source>
        <translation>(текст ще не завантажено)</translation>
    </message>
    <message>
        <source>第 %1 页%2</source>
        <translation>Сторінка %1%2</translation>
    </message>
    <message numerus="yes">
        <source>“%1”：共 %n 处命中</source>
        <translation>
            <numerusform>«%1»: %n збіг</numerusform>
            <numerusform>«%1»: %n збіги</numerusform>
            <numerusform>«%1»: %n збігів</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>正在搜索“%1”… 已搜索 %2 / %3 页，当前命中 %n 处</source>
        <translation>
            <numerusform>Пошук «%1»… переглянуто сторінок: %2 з %3, наразі %n збіг</numerusform>
            <numerusform>Пошук «%1»… переглянуто сторінок: %2 з %3, наразі %n збіги</numerusform>
            <numerusform>Пошук «%1»… переглянуто сторінок: %2 з %3, наразі %n збігів</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dovrix::SingleInstance</name>
    <message>
        <source>已运行的 Dovrix 窗口一次最多接收 %1 个文件，未打开任何文件。</source>
        <translation>Запущене вікно Dovrix приймає щонайбільше %1 файлів за раз; жодного файлу не відкрито.</translation>
    </message>
</context>
<context>
    <name>dovrix::StartUp</name>
    <message>
        <source>Dovrix —— 纯只读 PDF 查看器：离线、零遥测、不修改源文件。</source>
        <translation>Dovrix — переглядач PDF лише для читання: офлайн, без телеметрії, ніколи не змінює вихідний файл.</translation>
    </message>
    <message>
        <source>要打开的 PDF 文件。</source>
        <translation>PDF-файл, який слід відкрити.</translation>
    </message>
    <message>
        <source>文档打开后自动对指定页执行 OCR（调试/CI）。</source>
        <translation>Розпізнати текст цієї сторінки одразу після відкриття документа (для налагодження й автоматичних запусків).</translation>
    </message>
    <message>
        <source>打开到指定页：从 1 开始的页码，或文档自己的页标签（如 iv）。</source>
        <translation>Відкрити на цій сторінці: номер сторінки від 1 або власна мітка сторінки документа (наприклад, iv).</translation>
    </message>
    <message>
        <source>打开后搜索此文本，并转到第一处命中。</source>
        <translation>Після відкриття знайти цей текст і перейти до першого збігу.</translation>
    </message>
    <message>
        <source>SyncTeX 正向搜索：滚动到 TeX 源文件该行排版的位置并闪烁标出。</source>
        <translation>Прямий пошук SyncTeX: прокрутити до місця, де набрано цей рядок джерела TeX, і коротко позначити його.</translation>
    </message>
    <message>
        <source>用于打开 PDF 的引擎：mupdf（默认）或 qtpdf（用于比较与问题报告）。</source>
        <translation>Рушій, що відкриває PDF-файли: mupdf (типовий) або qtpdf (для порівнянь і звітів про помилки).</translation>
    </message>
</context>
<context>
    <name>dovrix::StudyTools</name>
    <message>
        <source>慢</source>
        <translation>Повільно</translation>
    </message>
    <message>
        <source>正常</source>
        <translation>Звичайно</translation>
    </message>
    <message>
        <source>快</source>
        <translation>Швидко</translation>
    </message>
    <message>
        <source>朗读完毕</source>
        <translation>Читання вголос завершено</translation>
    </message>
    <message>
        <source>工具</source>
        <translation>Інструменти</translation>
    </message>
    <message>
        <source>书签、朗读与 SyncTeX</source>
        <translation>Закладки, читання вголос і SyncTeX</translation>
    </message>
    <message>
        <source>书签</source>
        <translation>Закладки</translation>
    </message>
    <message>
        <source>添加书签</source>
        <translation>Додати закладку</translation>
    </message>
    <message>
        <source>重命名书签</source>
        <translation>Перейменувати закладку</translation>
    </message>
    <message>
        <source>删除书签</source>
        <translation>Видалити закладку</translation>
    </message>
    <message>
        <source>朗读</source>
        <translation>Читання вголос</translation>
    </message>
    <message>
        <source>从当前页朗读</source>
        <translation>Читати вголос з цієї сторінки</translation>
    </message>
    <message>
        <source>停止朗读</source>
        <translation>Зупинити читання</translation>
    </message>
    <message>
        <source>语速</source>
        <translation>Швидкість</translation>
    </message>
    <message>
        <source>声音</source>
        <translation>Голос</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令…</source>
        <translation>Команда редактора для зворотного пошуку…</translation>
    </message>
    <message>
        <source>未设置反向搜索的编辑器命令（工具 → 反向搜索编辑器命令…）</source>
        <translation>Команду редактора для зворотного пошуку не задано (Інструменти → Команда редактора для зворотного пошуку…)</translation>
    </message>
    <message>
        <source>SyncTeX 数据中没有 %1 第 %2 行的位置</source>
        <translation>У даних SyncTeX немає місця для рядка %2 файлу %1</translation>
    </message>
    <message>
        <source>此文档旁没有 SyncTeX 文件（.synctex.gz 或 .synctex）</source>
        <translation>Поруч із документом немає файлу SyncTeX (.synctex.gz або .synctex)</translation>
    </message>
    <message>
        <source>SyncTeX 文件已损坏，无法读取</source>
        <translation>Файл SyncTeX пошкоджено, його неможливо прочитати</translation>
    </message>
    <message>
        <source>SyncTeX 文件与此 PDF 不是同一次编译生成的，请重新编译</source>
        <translation>Файл SyncTeX належить до іншої збірки цього PDF; скомпілюйте знову</translation>
    </message>
    <message>
        <source>此处没有对应的源文件位置</source>
        <translation>Цьому місцю не відповідає жодна позиція у джерелі</translation>
    </message>
    <message>
        <source>无法启动编辑器：%1</source>
        <translation>Не вдається запустити редактор: %1</translation>
    </message>
    <message>
        <source>已在编辑器中打开 %1 第 %2 行</source>
        <translation>%1 відкрито в редакторі на рядку %2</translation>
    </message>
    <message>
        <source>反向搜索编辑器命令</source>
        <translation>Команда редактора для зворотного пошуку</translation>
    </message>
    <message>
        <source>Ctrl+单击页面时运行的命令（%f 文件，%l 行，%c 列），例如：editor +%l %f</source>
        <translation>Команда для Ctrl+клацання по сторінці (%f файл, %l рядок, %c стовпець), наприклад: editor +%l %f</translation>
    </message>
    <message>
        <source>默认</source>
        <translation>Типовий</translation>
    </message>
    <message>
        <source>第 %1 页</source>
        <translation>Сторінка %1</translation>
    </message>
    <message>
        <source>已添加书签“%1”</source>
        <translation>Закладку «%1» додано</translation>
    </message>
    <message>
        <source>书签名称：</source>
        <translation>Назва закладки:</translation>
    </message>
    <message>
        <source>继续朗读</source>
        <translation>Продовжити читання</translation>
    </message>
    <message>
        <source>暂停朗读</source>
        <translation>Призупинити читання</translation>
    </message>
    <message>
        <source>SyncTeX 文件解压后超过 %1 MB，已拒绝读取</source>
        <translation>Файл SyncTeX після розпакування перевищує %1 МБ; його відхилено без читання</translation>
    </message>
    <message>
        <source>SyncTeX 文件使读取程序崩溃或耗尽内存，已拒绝该文件</source>
        <translation>Файл SyncTeX спричинив збій програми читання або вичерпав її пам’ять; його відхилено</translation>
    </message>
    <message>
        <source>读取 SyncTeX 文件超时，已拒绝该文件</source>
        <translation>Читання файлу SyncTeX тривало надто довго; його відхилено</translation>
    </message>
    <message>
        <source>SyncTeX 文件中的源文件名含有换行或空字符，未交给编辑器</source>
        <translation>Ім’я вихідного файлу у файлі SyncTeX містить розрив рядка або символ NUL; його не передано редактору</translation>
    </message>
</context>
<context>
    <name>dovrix::TextLayoutStore</name>
    <message>
        <source>存在无法映射的字符（可能缺少 ToUnicode 表）</source>
        <translation>Є символи, які не вдалося зіставити (можливо, бракує таблиці ToUnicode)</translation>
    </message>
    <message>
        <source>词间距为几何推断，文本可能被拆碎</source>
        <translation>Проміжки між словами визначено за геометрією, текст може бути розірваним</translation>
    </message>
    <message>
        <source>页眉/页脚区域</source>
        <translation>Область колонтитулів</translation>
    </message>
</context>
<context>
    <name>dovrix::ViewCommands</name>
    <message>
        <source>已复制 %1 个字符</source>
        <translation>Скопійовано символів: %1</translation>
    </message>
    <message>
        <source>原始</source>
        <translation>Оригінал</translation>
    </message>
    <message>
        <source>适应宽度</source>
        <translation>За шириною</translation>
    </message>
    <message>
        <source>连续</source>
        <translation>Безперервно</translation>
    </message>
    <message>
        <source>单页</source>
        <translation>Одна сторінка</translation>
    </message>
</context>
</TS>
